@echo off
rem Fair teams by the ratings in PlayerData.txt: one of the closest splits
rem (within 25 points of the best), friends kept together, with the ratings
rem that Results.txt teaches once the evening has results. Friend groups (a
rem player with an FMT group other than 0) switch the handicap on.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings
