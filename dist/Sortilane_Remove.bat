@echo off
rem Fair teams by rating, without the civilisations oakfolk and emberlings, the map quillmoor and the nomads rule set.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating fair_teams learned_ratings remove civ oakfolk emberlings remove map quillmoor remove rule ./rules/nomads.txt
