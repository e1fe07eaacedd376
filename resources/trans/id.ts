<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↙</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↘</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>←</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↖</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;
e
x
p
a
n
d
&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Float</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track current object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12777</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off-podium Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8791</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 02 00 00 00 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 02 00 00 00 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Blackboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 03 00 00 00 31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 03 00 00 00 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 22 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 33 33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Consolas&apos;,&apos;Consolas&apos;,&apos;微软雅黑&apos;; font-size:14pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Consolas&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>554</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPE2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.201</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.1.202</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20554</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10554</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visca Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1259</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21259</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11259</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6791</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26791</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16791</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6793</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26793</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16793</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5555</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25555</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15555</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking Config Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXVA2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D3D11VA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
