@echo off
rem Fair teams in a compact report of a few lines, for chats that take few
rem messages or cut long lines: one line a team, no line over 65 characters.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings compact line_cap 65
