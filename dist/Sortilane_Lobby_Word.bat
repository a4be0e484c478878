@echo off
rem Fair teams by rating, drawn from a word the lobby agrees on instead of the
rem clock: the same word always gives the same draw, so a restart cannot draw
rem again unseen, and players can check the report with
rem sortilane_preview.exe -- rating fair_teams learned_ratings seed_word "word".
rem A word may hold blanks and letters of any script. Double quotes are left
rem out and a last \ is refused, as the command line cannot pass them.
cd /d "%~dp0"
set "word="
set /p "word=Word agreed in the lobby: "
rem After an empty answer the word is undefined: replacing in it would leave text.
if defined word set "word=%word:"=%"
if "%word%"=="" (
  echo No word given: ask the lobby for a word and start again.
  pause
  exit /b 1
)
if "%word:~-1%"=="\" (
  echo A word cannot end in \: ask the lobby for another word.
  pause
  exit /b 1
)
Brenlow_Sortilane.exe rating fair_teams learned_ratings seed_word "%word%"
