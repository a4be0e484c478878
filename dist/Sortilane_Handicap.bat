@echo off
rem Fair teams by rating, as in Sortilane_Fair_Teams.bat, and the handicap: a
rem team whose score is more than 75 points above the average gets lower-tier
rem civilisations, one more than 75 below higher ones. Here the handicap is on
rem with or without friend groups; without the word handicap, friend groups
rem (a player with an FMT group other than 0) switch it on, unless
rem fmt_uncounter is given.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings handicap
