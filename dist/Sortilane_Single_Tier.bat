@echo off
rem Fair teams by rating, every civilisation from tier 3 (use -1 for a random tier).
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings single_tier 3
