@echo off
rem Fair teams by the ratings in PlayerData.txt: one of the closest splits
rem (within 25 points of the best), friends kept together, with the ratings
rem that Results.txt teaches once the evening has results.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings
