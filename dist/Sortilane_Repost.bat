@echo off
rem Types the last saved result (data.txt) into the chat again, then quits.
cd /d "%~dp0"
Brenlow_Sortilane.exe repost
