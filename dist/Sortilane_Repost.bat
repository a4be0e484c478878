@echo off
rem Waits in the notification area; Ctrl+1 types the last saved result (data.txt)
rem into the chat again, then quits. Esc twice quits without typing.
cd /d "%~dp0"
Brenlow_Sortilane.exe repost
