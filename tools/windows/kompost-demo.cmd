@echo off
rem The demo: the program with eight simulated plants and no hardware.
rem The simulator listens on 127.0.0.1:18000 (plants 1-5 run a pile, 6 and 7 are
rem switched off, 8 never answers); the program keeps the demo in a home folder
rem of its own, apart from the real installation. Closing the program ends the
rem simulator.
setlocal
set "PROG=%~dp0"
set "HEIM=%LOCALAPPDATA%\Kompost-Leitstand\Demo"
if not exist "%HEIM%" mkdir "%HEIM%"
if not exist "%HEIM%\Installation.ini" copy /y "%PROG%demo\Installation.ini" "%HEIM%\Installation.ini" >nul
if not exist "%HEIM%\O2_Tarvos.ini" copy /y "%PROG%demo\O2_Tarvos.ini" "%HEIM%\O2_Tarvos.ini" >nul
start "Kompost-Simulator" /min "%PROG%kompost-sim.exe" --tcp 127.0.0.1:18000 --plants 1-8 --off 6,7 --silent 8
"%PROG%kompost.exe" --home "%HEIM%" %*
taskkill /im kompost-sim.exe /f >nul 2>&1
endlocal
