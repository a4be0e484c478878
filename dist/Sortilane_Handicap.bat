@echo off
rem Rated teams; the stronger team gets lower-tier civilisations.
cd /d "%~dp0"
Brenlow_Sortilane.exe rating handicap
