@echo off
rem Teams balanced by the ratings in PlayerData.txt.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating
