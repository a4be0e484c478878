@echo off
rem Rated teams without the civilisations oakfolk and emberlings, the map quillmoor and the nomads rule set.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating remove civ oakfolk emberlings remove map quillmoor remove rule ./rules/nomads.txt
