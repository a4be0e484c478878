@echo off
rem Fair teams by the ratings in PlayerData.txt: one of the closest splits
rem (within 25 points of the best), friends kept together.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams
