@echo off
rem Records in Results.txt that the last match counts for no rating (a game
rem left early, a test); a balloon at the tray icon says so.
cd /d "%~dp0"
Brenlow_Sortilane.exe result 0
