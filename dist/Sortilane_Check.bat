@echo off
rem Checks PlayerData.txt, the scripts and the option words below without typing
rem anything: prints the report that these words give now (its seed from the
rem clock; put --seed N before -- to see the report of seed N again).
cd /d "%~dp0"
chcp 65001 >nul
sortilane_preview.exe -- rating fair_teams learned_ratings handicap
if errorlevel 1 (echo The files or the words have a fault: see the lines above.) else (echo The files and the words are fine.)
pause
