@echo off
rem Fair teams by rating, for games whose chat closes after each message:
rem the randomiser opens the chat with Enter before each line. Close the
rem chat before you press Ctrl+1, or its lines go to the game as keys.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings open_chat
