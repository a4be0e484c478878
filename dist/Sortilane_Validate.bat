@echo off
rem Only checks PlayerData.txt and the scripts; stays in the tray if they load.
cd /d "%~dp0"
Brenlow_Sortilane.exe validate
