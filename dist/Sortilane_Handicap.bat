@echo off
rem Fair teams by rating; the stronger team gets lower-tier civilisations.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings handicap
