@echo off
rem Fair teams by rating, typed for games that read key codes and close
rem their chat after each message: real key presses, the chat opened before
rem each line, and at least 1.1 s from one line to the next.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings real_keys open_chat line_pause 1100
