@echo off
rem Brenlow: Sortilane with all defaults (ratings not used, every tier).
cd /d "%~dp0"
Brenlow_Sortilane.exe
