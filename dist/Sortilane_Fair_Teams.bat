@echo off
rem Fair teams by rating: one of the closest splits (within 25 points of the
rem best), friends kept together, with the ratings that Results.txt teaches
rem once the evening has results. The teams alone even the match: no
rem handicap, and fmt_uncounter keeps friend groups (a player with an FMT
rem group other than 0) from switching it on, as they would without it.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings fmt_uncounter
