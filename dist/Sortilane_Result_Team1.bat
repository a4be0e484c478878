@echo off
rem Records in Results.txt that team 1 won the last match; a balloon at the
rem tray icon says how every rating moved. The editor's tray menu undoes it.
cd /d "%~dp0"
Brenlow_Sortilane.exe result 1
