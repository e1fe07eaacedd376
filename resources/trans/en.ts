<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>↖</source>
        <translation>↖</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↗</source>
        <translation>↗</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>↙</source>
        <translation>↙</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>↘</source>
        <translation>↘</translation>
    </message>
</context>
<context>
    <name>ButtomView</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>Exit config</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Guide Finish</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Feature</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>Start Calibrate</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>Stop Calibrate</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>Do you want to start automatic calibration?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>Auto-Calibration Failed. Please try again.</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>Auto-Calibration Successful.</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>Config Wizard</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>Camera Configs</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2 Cameras: Supporting teacher machine and student machine,including teacher feature,teacher pano,student feature,student pano.</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Camera Selection</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 Cameras</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 Cameras</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 Cameras</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 Cameras</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>Welcome to the configuration tool Wizard</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4 Cameras: On the basis of the two cameras, the teacher panoramic camera and the student panoramic camera are reserved, and two PTZ cameras are used as the teacher feature camera and the student feature camera respectively.</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5 Cameras:On the basis of the four-camera, a board machine is added.</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>Teacher Feature IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>Teacher Pano IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>Student Feature IP</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>Student Pano IP</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>Blackboard 1 IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>Board 2 IP</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6 Cameras:On the basis of the six-camera, a board machine is added.</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>Calibration Pano</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Calibration switch</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>Feature IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>Pano IP</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>Track Modes</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>Note: when the camera is not connected normally, the mode obtained is the default.After the camera is connected successfully, the configured mode of the camera will be used</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>Three Presets Mode:The teacher enters the blackboard area and gives the teacher a close-up. The three preset positions of the left/middle/right blackboard writing correspond to the three close-up positions of the teacher.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>Follow Mode: Whether the teacher is moving or still, the teacher is close-up throughout the process.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Binocular Mode: When the teacher is still or moving in the close-up picture, the teacher keeps the close-up, and when the teacher moves out of the close-up picture or moves to the edge of the close-up picture, it switches to the teacher panorama.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Mixed Mode: When the teacher is still or moves in the close-up picture, keep the teacher close-up. When the teacher moves slightly in the close-up picture, the teacher will slowly center the teacher in the close-up picture, and the movement of the pan/tilt can be seen. When the teacher moves out of the close-up picture or moves to the edge of the close-up picture Switch to Teacher Panorama.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>Board Pano Mode: The blackboard panorama is displayed in all cases except for the students close-up pictures when they stand up.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Three Presets Mode</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Follow Mode</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Binocular Mode</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mixed Mode</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Board Pano Mode</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Region Settings</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>Call Camera</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Auto DET Track</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI Detection</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>ClearSnapshot</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Board  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Preset Settings</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>Set Feature Presets</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>Num 0 : Pano</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>Num 1 : Paltform</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>Num 2 : Left Board</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>Num 3 : Right Board</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>Num 11 : Board Pano</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>Num 60 : Pano Crop</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>Set Board Presets</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>Num 1 : Left Board</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>Num 2 : Right Board</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>Num 2 : Center Board</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>The board preset settings are only valid in the five/six cameras, and the control buttons are as follows.</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Auto Board Pano</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Auto Platform</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Advanced Options</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Target Lost Action</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>None action</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Pano(Preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Platform(Preset 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Student pano</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>The teacher gets off the podium, and the close-up picture switches according to the options.</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>Board Hold Time(S)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>The hold time is the hold time after close-up of blackboard writing.</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>Feature Back Pano Delay</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>Multi-camera or binocular machine feature flow back to pano position delay time, only four/five/six cameras positions are valid.</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>Board Detect Time(S)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>The detection time is the delay given to the blackboard close-up after the target is found.</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Multi Objective Action</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>track current object</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Return pano</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>When there are multiple targets on the podium, the close-up picture switches according to the options.</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>Board Function</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>After the blackboard function is enabled, the configured blackboard detection box and the corresponding blackboard position can take effect.</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Height Adaptation</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>Height adaption will automatically adjust the height of the close-up box according to the target height.</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Start track</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>Start tracking when the camera is turned on.</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ Speed Level</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>PTZ Speed Level.</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Disable AF when tracking</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>Disable AF when tracking,only four/five/six cameras postions are valid.</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>Track Tests</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>Call Feature Presets</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>Call Board Presets</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>Hide/Show Draw Area</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>Stop/Open Tracking</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>Panorama cropping has been suspended</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>Stu Area</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>Function usage instructions

Show: Check show configured student region,shield region,otherwise,it is closed.

Student Region: Display four green blocks containing the student standing region.

Shield Region: Support the setting of four shielding regions. For example, when setting 1 shielding region, click the left border of shielding region 1 with the mouse, and drag the mouse counterclockwise to the edge or boundary</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>Lost Action Time(S)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>Indicates that after the target is lost, execute [Target Lost Action] after the timeout period.</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Pano 0(Preset 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>Action of [close-up machine]after setting the lost target</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Pano switch</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>The recording screen will switch the student panorama first and then the student close-up. After closing, the student close-up will be switched directly.</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Feature Continue Time(S)</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>Set the maximum holding time for students to stand up in close-up.</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Small pano</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Return pano 0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>Set tracking actions after multiple student targets stand up.</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Face detect</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>It means that the camera will determine whether the tracking target needs to give close-up pictures through face detection.</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>Call Presets</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Director Settings</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>External director: The camera (board machine, student machine, teacher machine) send tracking status code to the director host, that analysis of tracking status to guide the video output to make the switch action.
Example: Teacher Still FF 01 00 00 00 12, it only shows that teacher is still on the rostrum。when the dirctor host switchs teachers to track the action, it still needs to consider the tracking state of the board machine and the student machine.
Internal director: The camera (only teacher machine) sends tracking switching code to the director host,the priority is to send the switch code to the director host in the order of board machine &gt; student machine &gt; teacher machine,that can switch to video output action after received a switching code.
Example: Student Feature FF 55 55, the dirctor host can directly switch student-feature to the video output.</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>External Director</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>On the platform</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Teacher still</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Teacher moving</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Under the platform</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Multi objective</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Student stood up</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Feature in place</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Student sat down</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 23</source>
        <translation>FF 02 00 00 00 23</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 24</source>
        <translation>FF 02 00 00 00 24</translation>
    </message>
    <message>
        <source> Blackboard</source>
        <translation>Blackboard</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Have action</translation>
    </message>
    <message>
        <source>FF 03 00 00 00 31</source>
        <translation>FF 03 00 00 00 31</translation>
    </message>
    <message>
        <source>FF 03 00 00 00 32</source>
        <translation>FF 03 00 00 00 32</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>Interior Director</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>Director Code(Only Teacher Camera)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Teacher pano</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Teacher feature</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 01 ff</source>
        <translation>80 01 0e 26 5b 01 01 ff</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 02 ff</source>
        <translation>80 01 0e 26 5b 02 02 ff</translation>
    </message>
    <message>
        <source>Student feature</source>
        <translation>Student feature</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Blackboard</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Blackboard 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Blackboard 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>Director Server Address</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>Director Server Port</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>Command Type</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>Director Code Send Mode</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continuously</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Switch Auto</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Switch Manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>← Exit wizard</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Guide Finish</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Please connect the camera</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Please connect the teacher pano camera</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Please connect the student pano camera</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Panorama cropping has been enabled</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Connection types do not match</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>TeacherIP</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>StudentIP</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>It is detected that all input boxes are empty!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>Network information error detected!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>The input IP timeout is detected, and the connection may fail!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>information</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Command format error</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Device Manager</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>Config steps</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>Config is complete. Do you want to go to the home page now?</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>Exiting the wizard configuration,other operations will be interrupted!</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>The input is empty!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Connection timeout</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>RTSP Connection Error</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>No blackboard or screen was found in the picture. The regions stay as they were.</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Feature</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Pano</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>Wizard Config</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>Recorder Map Config</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>Obtain</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>Feature IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>Pano IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>Start Track</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>Stop Track</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Set Preset</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>Call Preset</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>↙</source>
        <translation>↙</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>↘</source>
        <translation>↘</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>↖</source>
        <translation>↖</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↗</source>
        <translation>↗</translation>
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
        <translation>&gt;
e
x
p
a
n
d
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Region Settings</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Board  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nobody</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI Detection</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>ClearSnapshot</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Auto DET Track</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>Navigate Key Action</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>PTZ mode</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>Menu mode</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Feature</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>Param Backup</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Version Info</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>Feature Info:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>Pano Info:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Target Lost Action</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>None action</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Student pano</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Pano(Preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Platform(Preset 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>Hold Times: </translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>Timeout: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Multi Objective Action</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>track current object</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Return pano</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>PTZ Speed</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ Speed Level</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>Tips:only three presets mode valid</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>Pano Lens Pos Calibration</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Show calibration cross</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Auto Calibration</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>Pano Focus Mode</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>Manual Mode</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>Auto Mode</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>Backlash Comp.</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>Tilt Backlash</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>Pan Backlash</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>Track Settings</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Start track</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Disable AF when tracking</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Height Adaptation</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>Feature realtime tracking</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>PersonTrack</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>Persontrack</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>Teacher Board Settings</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>Board Enabled</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>Board Face Enabled</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>Board Hand Enabled</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>Detect Time: </translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>Hold Time: </translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>Lose Time: </translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>Space Time: </translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Tracking_mode</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Three Presets Mode</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Follow Mode</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Binocular Mode</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mixed Mode</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Board Pano Mode</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>Lectern Mode</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>Num 0 : Pano</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>Num 1 : Paltform</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>Num 2 : Left Board</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>Num 3 : Right Board</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>Num 60 : Pano Crop</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>Preset List</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Auto Board Pano</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Auto Platform</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Basic Settings</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>Sensitivity: </translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>Fea Distance: </translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation>Pano Distance: </translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>Pan offset: </translation>
    </message>
    <message>
        <source>L </source>
        <translation>L </translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>Tilt offset: </translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation>Lectern Mode Configs</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>Tracking Start Postion</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Current Location</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preset 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>Auto Zoom</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>Auto Tilt</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>Target Retention Time</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>Person Size</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>Full body</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>Half body</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>Close up</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>Director Server Configs</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>Director Server Toggle</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>IP Address </translation>
    </message>
    <message>
        <source>12777</source>
        <translation>12777</translation>
    </message>
    <message>
        <source>192.168.1.250</source>
        <translation>192.168.1.250</translation>
    </message>
    <message>
        <source>Off-podium Duration</source>
        <translation>Off-podium Duration</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>Stu Area</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>Seating Area</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Calibrate Area</source>
        <translation>Calibrate Area</translation>
    </message>
    <message>
        <source>0cm</source>
        <translation>0cm</translation>
    </message>
    <message>
        <source>90cm</source>
        <translation>90cm</translation>
    </message>
    <message>
        <source>Feature size: </source>
        <translation>Feature size: </translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>Camera Height: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Menu Mode</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Pano switch</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Face detect</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>Panorama cropping has been suspended</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>Pano Config</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>PTZ Pano Detect</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Pano 0(Preset 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Small pano</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Return pano 0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Feature Continue Time</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>Continue Time(S)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>Feature To Pano Delay</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>PanoDelay</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>PTZ Mode</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>Cutout</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>Set Board 0(Preset 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>Call Board 0(Preset 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>Set Board 1(Preset 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>Call Board 1(Preset 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>Set Pano (Preset 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>Call Pano (Preset 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>Board 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>Board IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>Lost timeout: </translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>Blackboard Enable</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>Enable 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>Board Info:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>Detect Info:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>Multi Board Action</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>Board 0(Preset 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>Board 1(Preset 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>Lost Board Action</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>BoardLostDelay</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>Teacher IP</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>Student IP</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>Using UART</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>Command Type</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Director Server</source>
        <translation>Director Server</translation>
    </message>
    <message>
        <source>192.168.1.200</source>
        <translation>192.168.1.200</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Tracking Switch</source>
        <translation>Tracking Switch</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Switch Auto</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Switch Manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>Director Code Send Mode</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continuously</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Director Strategy</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>External Director</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>Interior Director</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>On the platform</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Teacher still</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Teacher moving</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Under the platform</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Multi objective</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Student stood up</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Feature in place</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Student sat down</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 23</source>
        <translation>FF 02 00 00 00 23</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 24</source>
        <translation>FF 02 00 00 00 24</translation>
    </message>
    <message>
        <source> Blackboard</source>
        <translation> Blackboard</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Have action</translation>
    </message>
    <message>
        <source>FF 03 00 00 00 31</source>
        <translation>FF 03 00 00 00 31</translation>
    </message>
    <message>
        <source>FF 03 00 00 00 32</source>
        <translation>FF 03 00 00 00 32</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>Director Code(Only Teacher Camera)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Teacher pano</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Teacher feature</translation>
    </message>
    <message>
        <source>FF 22 22</source>
        <translation>FF 22 22</translation>
    </message>
    <message>
        <source>FF 33 33</source>
        <translation>FF 33 33</translation>
    </message>
    <message>
        <source>Student feature</source>
        <translation>Student feature</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Blackboard</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Board1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Board2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>Min Switch Time</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(Except for the student pano)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>DirTest</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>Manual Director</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>DirectorInterval Setings</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>KeepInterval</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>MovingInterval</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>MultiInterval</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>External Director: the cameras (blackboard, student and teacher cameras) send tracking status codes to the director host, which analyses the tracking status to switch the director&apos;s video output.
Example: Teacher still, ff 01 00 00 00 12, only says that a teacher is standing still in the tracking area; when the director host switches to the teacher&apos;s tracking, it must still consider the tracking status of the blackboard and student cameras.

Interior Director: the camera (teacher camera) sends tracking switch codes to the director host, which switches the director&apos;s video output as soon as it receives a switch code.
Example: Student feature, ff 33 33, switches the director&apos;s video output straight to the student close-up.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>Devices：</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>Host net</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>NetMask</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>GateWay</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Uptime</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Device Model</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC Address</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>First DNS</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Load File</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>disconnect</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Consolas&apos;,&apos;Consolas&apos;,&apos;微软雅黑&apos;; font-size:14pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Consolas&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Consolas&apos;,&apos;Consolas&apos;,&apos;微软雅黑&apos;; font-size:14pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Consolas&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>D4</source>
        <translation>D4</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>E0</source>
        <translation>E0</translation>
    </message>
    <message>
        <source>8E</source>
        <translation>8E</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>File Path </translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>Backup File </translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>Backup Status </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>UP</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>DOWN</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>554</source>
        <translation>554</translation>
    </message>
    <message>
        <source>TYPE1</source>
        <translation>TYPE1</translation>
    </message>
    <message>
        <source>TYPE2</source>
        <translation>TYPE2</translation>
    </message>
    <message>
        <source>Port map</source>
        <translation>Port map</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>Recorder Host IP</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>IP/Port Settings</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>TeacherMachine</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>StudentMachine</translation>
    </message>
    <message>
        <source>192.168.1.201</source>
        <translation>192.168.1.201</translation>
    </message>
    <message>
        <source>192.168.1.202</source>
        <translation>192.168.1.202</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Communication port</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>TeacherMapped port</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>StudentMapped port</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP Port</translation>
    </message>
    <message>
        <source>20554</source>
        <translation>20554</translation>
    </message>
    <message>
        <source>10554</source>
        <translation>10554</translation>
    </message>
    <message>
        <source>Visca Port</source>
        <translation>Visca Port</translation>
    </message>
    <message>
        <source>1259</source>
        <translation>1259</translation>
    </message>
    <message>
        <source>21259</source>
        <translation>21259</translation>
    </message>
    <message>
        <source>11259</source>
        <translation>11259</translation>
    </message>
    <message>
        <source>UDP Port</source>
        <translation>UDP Port</translation>
    </message>
    <message>
        <source>6791</source>
        <translation>6791</translation>
    </message>
    <message>
        <source>26791</source>
        <translation>26791</translation>
    </message>
    <message>
        <source>16791</source>
        <translation>16791</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP Port</translation>
    </message>
    <message>
        <source>6793</source>
        <translation>6793</translation>
    </message>
    <message>
        <source>26793</source>
        <translation>26793</translation>
    </message>
    <message>
        <source>16793</source>
        <translation>16793</translation>
    </message>
    <message>
        <source>Backup Port</source>
        <translation>Backup Port</translation>
    </message>
    <message>
        <source>5555</source>
        <translation>5555</translation>
    </message>
    <message>
        <source>25555</source>
        <translation>25555</translation>
    </message>
    <message>
        <source>15555</source>
        <translation>15555</translation>
    </message>
    <message>
        <source>Search Port</source>
        <translation>Search Port</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Show More</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Camera Selection</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 Cameras</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 Cameras</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 Cameras</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 Cameras</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Bahasa Indonesia</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>ไทย</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Tracking Config Switch</source>
        <translation>Tracking Config Switch</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>Tracking Config 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>Tracking Config 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NONE</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>QSV</source>
        <translation>QSV</translation>
    </message>
    <message>
        <source>DXVA2</source>
        <translation>DXVA2</translation>
    </message>
    <message>
        <source>D3D11VA</source>
        <translation>D3D11VA</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>d:</source>
        <translation>d:</translation>
    </message>
    <message>
        <source>6.0</source>
        <translation>6.0</translation>
    </message>
    <message>
        <source>h:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>？</source>
        <translation>？</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>BACK</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>Num 1 : Left Board</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>Num 2 : Center Board</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>Num 11 : Board Pano</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
f
o
l
d
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>Apply(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>Board 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>Enable 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>exist</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>About Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>Port modification, other operations will be interrupted!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>Username and password cannot be empty!</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Network information fill in error</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>Failed to save the port forwarding settings to %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>Port forwarding script opened successfully</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>Port forwarding script not found: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>Failed to enable port forwarding script</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Please connect the camera</translation>
    </message>
    <message>
        <source>information</source>
        <translation>information</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Command format error</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Panorama cropping has been enabled</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Connection types do not match</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Connection timeout</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>Connection failure</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Please connect the teacher pano camera</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Please connect the student pano camera</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>Failed to get config, please reconnect or click Get button to get config!</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>tracking configuration get failed, please try disconnecting and reconnecting</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>teacher obtain fail</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>Nothing will be executed!</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>teacher obtain success</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>teacher apply fail</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>teacher apply success</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>student obtain fail</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>student obtain success</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>student apply fail</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>student apply success</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>Enter the wizard configuration,other operations will be interrupted!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Do you really want to exit?</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>The director port and address cannot be empty!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>Unable to update tracking configurations, do you want to stop tracking?</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>Automatic calibration failed</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>The detection model %1 could not be run: %2. The regions were left as they were.</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>The network information is incomplete</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>Please select backup file</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>Not exist backup files</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>File type does not match</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>connecting...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>waiting upgrade start</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>transmitting...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>board is not enough disk space</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>receive file finish</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>file verify succeed upgradeing...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>file verify fail reboot...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>upgrade fail reboot...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>arm upgrade file not found reboot...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>start backup</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>start receive</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>Backup Success</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>backup failed</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>restoring...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>Restore failed reboot...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Restore Success</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>Upgrade Success</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>Select Upgrade pack</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>Select Upgrade type</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>Upgrade file type does not match</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>Open file failed</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>Export success</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>Export failure</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>Import success</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>Import failure</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>save backup file</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>select backup file</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>Devices: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>Initializes the multicast failure</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>Join the multicast group fail</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>Please select the need to configure the equipment</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>Set Success</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>Do you really want reboot?</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reboot</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>select upgrade pack</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>Hide More</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>Enter the manual director,other operations will be interrupted!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(%1 more answered, not listed)</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>UP</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>BACK</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>DOWN</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Video preview</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Connection timeout</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>H: </source>
        <translation>H: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>d:</source>
        <translation>d:</translation>
    </message>
    <message>
        <source>6.0</source>
        <translation>6.0</translation>
    </message>
    <message>
        <source>h:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>Camera install position</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>Manual Director</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>Director Picture</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>Auto Direct</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>Teacher Feature:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>Teacher Pano:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>Student Feature:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>Student Pano:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>Teacher IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>Student IP</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>Low overhead</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Tracking_mode</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Follow Mode</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Binocular Mode</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mixed Mode</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Board Pano Mode</translation>
    </message>
    <message>
        <source>↖</source>
        <translation>↖</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↗</source>
        <translation>↗</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>↙</source>
        <translation>↙</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>↘</source>
        <translation>↘</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>Paltform</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>Board Pano</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Network information fill in error</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Connection timeout</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Please connect the camera</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>Switched to manual director state</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Connection types do not match</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>Do you want to go into the configuration?</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Do you really want to exit?</translation>
    </message>
</context>
</TS>
