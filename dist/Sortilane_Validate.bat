@echo off
rem Only checks PlayerData.txt, the scripts and the rule texts; stays in the tray
rem with the balloon "Files and words are fine" if they are.
cd /d "%~dp0"
Brenlow_Sortilane.exe validate
