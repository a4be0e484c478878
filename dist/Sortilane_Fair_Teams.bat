@echo off
rem Teams drawn from the fairest splits by the exact ratings (friends kept together); the stronger team gets lower-tier civilisations.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings handicap
