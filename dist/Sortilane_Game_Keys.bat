@echo off
rem Fair teams by rating, typed for games that read key codes and limit
rem messages per second: real key presses, and at least 1.1 s from one line
rem to the next.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings real_keys line_pause 1100
