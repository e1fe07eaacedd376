<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>归位</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>退出配置</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>完成向导</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>特写</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>停止校准</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>自动校准期间，画面中只能有一个移动的人，否则数据会异常。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>是否开始自动校准？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>自动校准失败，请重试。</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>自动校准成功。</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>向导配置</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>摄像机设置</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2机位: 支持教师机和学生机,包括教师特写、教师全景、学生特写、学生全景。</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>摄像机数量</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2机位</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4机位</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5机位</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6机位</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>欢迎使用配置工具向导</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4机位: 在2机位的基础上保留教师全景摄像机和学生全景摄像机,另用两台云台摄像机分别作为教师特写摄像机和学生特写摄像机。</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5机位: 在4机位的基础上增加一台板书机。</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>教师特写IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>教师全景IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>学生特写IP</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>学生全景IP</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>板书1 IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>板书2 IP</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6机位: 在5机位的基础上再增加一台板书机。</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>全景校准</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>显示校准十字</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>特写IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>全景IP</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>跟踪模式</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>注意: 摄像机未正常连接时,获取到的模式为默认模式;摄像机连接成功后,将使用摄像机已配置的模式。</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>跟随模式: 无论教师移动还是静止,全程给教师特写.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>三预置位模式</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>跟随模式</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>双目模式</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>混合模式</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板书全景模式</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>区域设置</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
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
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>调用摄像机</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>自动检测跟踪</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI检测</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>清除抓拍</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1：选择跟踪区域，鼠标停留在跟踪区域内，
获得焦点后可调整跟踪区域的大小。
此项为必选项，只能修改和调整，不能删除；</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1：选择抓拍区域，若未绘制，请在画面中绘制需要抓拍的区域，
绘制后如需再次调整，可拖动或选中锚点进行微调；
2：删除抓拍区域：点击右侧的[清除抓拍]按钮并应用</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>抓拍</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1：选择黑板区域，若左、中、右均已绘制，焦点默认停留在左侧黑板，
中间和右侧黑板无法获得焦点进行修改。如需修改左、
中、右中的某一项，请取消勾选后重新绘制或修改调整；</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>板书</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1：选择屏蔽区域，若屏蔽区域1234均已绘制，
焦点默认停留在屏蔽区域1，如需修改1234中的某一项，
请取消勾选后重新绘制或修改调整；</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>屏蔽</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>设置预置位</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>设置特写预置位</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0号：全景</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1号：讲台</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2号：左板书</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3号：右板书</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11号：板书全景</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60号：全景裁剪</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>设置板书预置位</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1号：左板书</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>2号 : 右板书</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2号：中板书</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>自动板书全景</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>自动讲台</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>高级选项</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>目标丢失</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>无动作</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>全景（预置位0）</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>讲台（预置位1）</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>学生全景</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>教师下讲台,特写画面根据选项切换</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>板书保持时间(秒)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>保持时间为给板书特写后的特写保持时间</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>特写流回全景位延时</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>板书检测时间(秒)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>检测时间为发现目标后给板书特写的延时</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>多目标</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>跟踪当前目标</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>返回全景</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>讲台上有多个目标时,特写画面根据选项切换</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>板书功能</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>开启板书功能后,配置的板书检测框和对应的板书位方能生效</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>高度自适应</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>身高自适应会根据目标高度自动调节特写框的高度</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>开机跟踪</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>摄像机开机即开启跟踪</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>云台速度等级</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>云台速度等级,仅三预置位模式生效</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>跟踪时关闭自动对焦</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>跟踪时不对焦,仅四/五机位生效</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>跟踪测试</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>调用特写预置位</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>调用板书预置位</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>隐藏/显示绘制区域</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>停止/开启跟踪</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>全景裁剪已暂停</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>学生区域</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>丢失动作时间(秒)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>表示目标丢失后，经过超时时间后执行【目标丢失动作】</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>全景0（预置位0）</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>设置丢失目标后【特写机】的动作</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>全景切换</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>特写持续时间</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>设置学生特写起立最大的保持时间</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>小全景</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>返回全景0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>设置多个学生目标起立后的跟踪动作</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>人脸检测</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>调用预置位</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>导播策略</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>外部导播</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>教师</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>教师上台</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>教师静止</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>教师走动</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>教师下台</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>多目标</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>学生起立</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>特写到位</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>学生坐下</translation>
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
        <translation> 板书</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>有动作</translation>
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
        <translation>内部导播</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>导播码（仅教师摄像机）</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>教师全景</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>教师特写</translation>
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
        <translation>学生特写</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>板书</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>板书1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>板书2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>导播服务器地址</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>导播服务器端口</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
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
        <translation>串口</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>命令类型</translation>
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
        <translation>导播码发送方式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>三次</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>切换到自动</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>切换到手动</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>退出向导</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>完成向导</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>请连接摄像机</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>请连接教师全景摄像机</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>请连接学生全景摄像机</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>全景裁剪已启用</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>连接类型不匹配</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>老师IP</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>学生IP</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>检测到所有输入框均为空！</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>检测到网络信息错误！</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>检测到输入的IP超时，连接可能失败！</translation>
    </message>
    <message>
        <source>information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>命令格式错误</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>设备管理</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>导播</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>配置步骤</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>配置完成，是否现在进入主页？</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>退出向导配置，其他操作将被中断！</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>输入为空!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>RTSP连接错误</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>RTSP认证失败，请检查网页端是否开启了认证或存在其他异常！</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>画面中未检测到黑板或屏幕，区域保持不变。</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>特写</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
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
        <translation>教师</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>板书</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>导播</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>向导配置</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>录播端口映射</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>特写IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>全景IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>开始跟踪</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>停止跟踪</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>设置预置位</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>调用预置位</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
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
        <translation>归位</translation>
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
展
开
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>区域设置</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1：选择跟踪区域，鼠标停留在跟踪区域内，
获得焦点后可调整跟踪区域的大小。
此项为必选项，只能修改和调整，不能删除；</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1：选择抓拍区域，若未绘制，请在画面中绘制需要抓拍的区域，
绘制后如需再次调整，可拖动或选中锚点进行微调；
2：删除抓拍区域：点击右侧的[清除抓拍]按钮并应用</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>抓拍</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1：选择黑板区域，若左、中、右均已绘制，焦点默认停留在左侧黑板，
中间和右侧黑板无法获得焦点进行修改。如需修改左、
中、右中的某一项，请取消勾选后重新绘制或修改调整；</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>板书</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1：选择屏蔽区域，若屏蔽区域1234均已绘制，
焦点默认停留在屏蔽区域1，如需修改1234中的某一项，
请取消勾选后重新绘制或修改调整；</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>屏蔽</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>悬浮</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>无人</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI检测</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>清除抓拍</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>自动检测跟踪</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>方向键功能</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>云台模式</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>菜单模式</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>特写</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>参数备份</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>版本信息</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>特写：</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>全景：</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>目标丢失</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>无动作</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>学生全景</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>全景（预置位0）</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>讲台（预置位1）</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>保持次数：</translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>超时：</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>多目标</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>跟踪当前目标</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>返回全景</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>云台速度</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>云台速度等级</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>提示：仅三预置位模式有效</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>全景镜头位置校准</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>显示校准十字</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自动校准</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>全景对焦模式</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>手动模式</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>自动模式</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>换向补偿</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>垂直换向补偿</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>水平换向补偿</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>跟踪设置</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>开机跟踪</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>跟踪时关闭自动对焦</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>高度自适应</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>特写实时跟踪</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>人形跟踪</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>人形跟踪</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>教师板书设置</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>启用板书</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>启用板书人脸检测</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>启用板书手部检测</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>检测时间：</translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>保持时间：</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>丢失时间：</translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>间隔时间：</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>跟踪模式</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>三预置位模式</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>跟随模式</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>双目模式</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>混合模式</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板书全景模式</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>讲桌模式</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0号：全景</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1号：讲台</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2号：左板书</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3号：右板书</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60号：全景裁剪</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>预置位列表</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>自动板书全景</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>自动讲台</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>灵敏度：</translation>
    </message>
    <message>
        <source>L</source>
        <translation>低</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>特写距离：</translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>M</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation>全景距离：</translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>水平偏移：</translation>
    </message>
    <message>
        <source>L </source>
        <translation>左</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>垂直偏移：</translation>
    </message>
    <message>
        <source>D</source>
        <translation>下</translation>
    </message>
    <message>
        <source>U</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation>讲桌模式配置</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>跟踪起始位置</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>当前位置</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>预置位1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>自动变倍</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>自动俯仰</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>目标保持时间</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>人物大小</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>全身</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>半身</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>特写</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>导播服务器配置</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>导播服务器开关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>IP地址</translation>
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
        <translation>离台时长</translation>
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
        <translation>学生区域</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>座位区域</translation>
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
        <translation>标定区域</translation>
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
        <translation>特写大小：</translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>摄像机高度：</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>菜单模式</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>全景切换</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>人脸检测</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>全景裁剪已暂停</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>全景配置</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>云台全景检测</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>全景0（预置位0）</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>小全景</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>返回全景0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>特写持续时间</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>持续时间(秒)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>特写转全景延时</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>全景延时</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>云台模式</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>设置板书0（预置位0）</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>调用板书0（预置位0）</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>设置板书1（预置位1）</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>调用板书1（预置位1）</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>设置全景（预置位2）</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>调用全景（预置位2）</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>板书2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>板书IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>丢失超时：</translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>板书启用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>启用2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>板书：</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>检测：</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>多板书动作</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>板书0（预置位0）</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>板书1（预置位1）</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>板书丢失动作</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>板书丢失延时</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像机</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>教师IP</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>学生IP</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>使用串口</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
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
        <translation>串口</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>命令类型</translation>
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
        <translation>导播服务器</translation>
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
        <translation>跟踪切换</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>切换到自动</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>切换到手动</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>导播码发送方式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>三次</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>导播策略</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>外部导播</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>内部导播</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>教师上台</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>教师静止</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>教师走动</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>教师下台</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>多目标</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>学生起立</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>特写到位</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>学生坐下</translation>
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
        <translation> 板书</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>有动作</translation>
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
        <translation>导播码（仅教师摄像机）</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>教师全景</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>教师特写</translation>
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
        <translation>学生特写</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>板书</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>板书1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>板书2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>最短切换时间</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>（学生全景除外）</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>导播测试</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>手动导播</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>导播间隔设置</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>保持间隔</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>走动间隔</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>多目标间隔</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>本机网卡</translation>
    </message>
    <message>
        <source>No</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>设备ID</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>首选DNS</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>加载文件</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>未连接</translation>
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
        <translation>配置</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>备份文件</translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>备份状态</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>左</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
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
        <translation>类型1</translation>
    </message>
    <message>
        <source>TYPE2</source>
        <translation>类型2</translation>
    </message>
    <message>
        <source>Port map</source>
        <translation>端口映射</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>录播主机IP</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>IP/端口设置</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>教师机</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>学生机</translation>
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
        <translation>通信端口</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>教师映射端口</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>学生映射端口</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP端口</translation>
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
        <translation>VISCA端口</translation>
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
        <translation>UDP端口</translation>
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
        <translation>TCP端口</translation>
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
        <translation>备份端口</translation>
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
        <translation>搜索端口</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>显示更多</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>摄像机数量</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2机位</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4机位</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5机位</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6机位</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>注：①机位数不同时，部分不对应的功能默认禁用；②板书端仅在五/六机位时显示；</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
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
        <translation>跟踪配置切换</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>跟踪配置1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>跟踪配置2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>解码器</translation>
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
        <translation>输入</translation>
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
        <translation>返回</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1号：左板书</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2号：中板书</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11号：板书全景</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
收
起
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>应用(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>板书1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>启用1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>存在</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>关于 Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>修改端口将中断其他操作！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>用户名和密码不能为空！</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>网络信息填写错误</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>端口填写错误：“%1”不是 1 到 65535 之间的端口</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>无法将端口转发设置保存到 %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>端口转发脚本已成功启动</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>未找到端口转发脚本：%1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>端口转发脚本启动失败</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>请连接摄像机</translation>
    </message>
    <message>
        <source>information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>命令格式错误</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>全景裁剪已启用</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>连接类型不匹配</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>请连接教师全景摄像机</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>请连接学生全景摄像机</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>获取配置失败，请重新连接或点击“获取”按钮获取配置！</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>跟踪配置获取失败，请尝试断开后重新连接</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>教师参数获取失败</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>不执行任何操作！</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>教师参数获取成功</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>教师参数应用失败</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>教师参数应用成功</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>学生参数获取失败</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>学生参数获取成功</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>学生参数应用失败</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>学生参数应用成功</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>进入向导配置，其他操作将被中断！</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>无法将设置写入 %1。已保留原文件，但不含此后的更改。
仍然退出 (OK)，还是保持摄像机连接并留下 (Cancel)？</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>导播端口和地址不能为空！</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>无法更新跟踪配置，是否停止跟踪？</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>无法创建锁文件 %1：%2。
临时文件夹必须存在、可写且有剩余空间。</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>在 %1 未找到检测模型。请将模型复制到该位置并重新启动程序以使用 AI 检测。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>无法读取设置文件 %1。已将其移至 %2，程序将以默认设置启动。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>无法读取设置文件 %1，也无法将其移开：%2。
该文件保持原样，程序以默认设置启动；在删除该文件之前无法保存设置。</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>换向补偿已停止：未拍到特写摄像机的可用画面。未向摄像机写入任何内容。</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>换向补偿无法判断画面是否移动：特写摄像机画面的细节太少。未向摄像机写入任何内容。</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>自动校准失败</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>无法加载检测模型 %1：%2。请替换该模型并重新启动程序以使用 AI 检测。</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>无法读取类别列表 %1：%2。请替换该列表并重新启动程序以使用 AI 检测。</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>无法运行检测模型 %1：%2。区域保持不变。</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>检测模型 %1 与类别列表 %2 不匹配：%3。区域保持不变。</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>设置文件 %1 已被截断：缺少每次保存都会写入的键（共 %2 个：%3）。该文件已移至 %4，本工具将以默认设置启动。</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>设置文件 %1 已被截断：缺少每次保存都会写入的键（共 %2 个：%3）。无法将其移到一旁：%4。
文件按原样保留，本工具以默认设置启动，在删除该文件之前无法保存设置。</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>设置未写入：%1 在启动时无法读取或已被截断，且无法移到一旁；它按原样保留，以免其中内容丢失。请移走或删除它以便保存设置。
仍然退出（确定）还是保持摄像机连接并留下（取消）？</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>临时文件夹 %1 不存在，因此无法创建防止本工具第二个副本启动的锁文件。
请创建该文件夹，或将临时文件夹设为一个存在的文件夹。</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>无法创建锁文件 %1：已有一个同名的文件夹或其他非文件的对象。
请删除或重命名它。</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>网络信息不完整</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>请选择备份文件</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>备份文件不存在</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>文件类型不匹配</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>等待升级开始</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>正在传输...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>设备磁盘空间不足</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>文件接收完成</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>文件校验成功，正在升级...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>文件校验失败，正在重启...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>升级失败，正在重启...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>未找到ARM升级文件，正在重启...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>开始备份</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>开始接收</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>备份成功</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>备份失败</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>正在恢复...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>恢复失败，正在重启...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>恢复成功</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>升级成功</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>请选择升级包</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>请选择升级类型</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>升级文件类型不匹配</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>打开文件失败</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>导入成功</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>保存备份文件</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>选择备份文件</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>初始化组播失败</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>加入组播组失败</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>请选择需要配置的设备</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>确定要重启吗？</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>选择升级包</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>收起更多</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>进入手动导播，其他操作将被中断！</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>（另有 %1 台已应答，未列出）</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>左</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>视频预览</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>连接超时</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
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
        <translation>应用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>摄像机安装位置</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>手动导播</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>导播画面</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>自动导播</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>教师特写：</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>教师全景：</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>学生特写：</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>学生全景：</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>教师IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>学生IP</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>低开销</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>流畅</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>教师</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>跟踪模式</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>跟随模式</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>双目模式</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>混合模式</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板书全景模式</translation>
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
        <translation>归位</translation>
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
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>讲台</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>板书全景</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>网络信息填写错误</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>请连接摄像机</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>已切换到手动导播状态</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>连接类型不匹配</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>是否进入配置？</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
</context>
</TS>
