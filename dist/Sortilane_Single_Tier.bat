@echo off
rem Rated teams, every civilisation from tier 3 (use -1 for a random tier).
cd /d "%~dp0"
Brenlow_Sortilane.exe rating single_tier 3
