<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>ฟอร์ม</translation>
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
        <translation>จุดเริ่ม</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ซูมเข้า</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ซูมออก</translation>
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
        <translation>ฟอร์ม</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>ออกจากการตั้งค่า</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>ถัดไป</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>เสร็จสิ้นตัวช่วย</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>โคลสอัพ</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>พาโนรามา</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>เริ่มปรับเทียบ</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>หยุดปรับเทียบ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>ระหว่างการปรับเทียบอัตโนมัติ ในภาพต้องมีคนเคลื่อนไหวเพียงคนเดียว มิฉะนั้นข้อมูลจะผิดปกติ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>ต้องการเริ่มการปรับเทียบอัตโนมัติหรือไม่</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>การปรับเทียบอัตโนมัติล้มเหลว โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>การปรับเทียบอัตโนมัติสำเร็จ</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>ตัวช่วยตั้งค่า</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>ตั้งค่ากล้อง</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2 กล้อง: รองรับกล้องครูและกล้องนักเรียน ประกอบด้วยโคลสอัพครู พาโนรามาครู โคลสอัพนักเรียน และพาโนรามานักเรียน</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>เลือกจำนวนกล้อง</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 กล้อง</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 กล้อง</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 กล้อง</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 กล้อง</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>ยินดีต้อนรับสู่ตัวช่วยของเครื่องมือตั้งค่า</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4 กล้อง: ต่อยอดจาก 2 กล้อง โดยคงกล้องพาโนรามาครูและกล้องพาโนรามานักเรียนไว้ และใช้กล้อง PTZ สองตัวเป็นกล้องโคลสอัพครูและกล้องโคลสอัพนักเรียน</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5 กล้อง: ต่อยอดจาก 4 กล้อง โดยเพิ่มกล้องกระดานหนึ่งตัว</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>IP โคลสอัพครู</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>IP พาโนรามาครู</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>IP โคลสอัพนักเรียน</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>IP พาโนรามานักเรียน</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>IP กระดาน 1</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>IP กระดาน 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6 กล้อง: ต่อยอดจาก 5 กล้อง โดยเพิ่มกล้องกระดานอีกหนึ่งตัว</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>ปรับเทียบพาโนรามา</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>แสดงกากบาทปรับเทียบ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>ปรับเทียบ</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP โคลสอัพ</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>เชื่อมต่อ</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP พาโนรามา</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>โหมดติดตาม</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>หมายเหตุ: เมื่อกล้องยังเชื่อมต่อไม่สำเร็จ โหมดที่ได้คือค่าเริ่มต้น เมื่อเชื่อมต่อกล้องสำเร็จแล้ว จะใช้โหมดที่ตั้งไว้ในกล้อง</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>โหมดสามพรีเซ็ต: เมื่อครูเข้าพื้นที่กระดาน จะโคลสอัพครูตลอด พรีเซ็ตกระดานซ้าย/กลาง/ขวาทั้งสามคือตำแหน่งโคลสอัพครูสามตำแหน่ง</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>โหมดติดตามตัว: ไม่ว่าครูจะเคลื่อนที่หรืออยู่นิ่ง จะโคลสอัพครูตลอด</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>โหมดสองกล้อง: เมื่อครูอยู่นิ่งหรือเคลื่อนที่ในภาพโคลสอัพ จะคงโคลสอัพไว้ เมื่อครูออกนอกภาพหรือไปที่ขอบภาพ จะสลับเป็นพาโนรามาครู</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>โหมดผสม: เมื่อครูอยู่นิ่งหรือเคลื่อนที่ในภาพโคลสอัพ จะคงโคลสอัพไว้ เมื่อครูขยับเล็กน้อย จะค่อย ๆ จัดครูให้อยู่กลางภาพและเห็นการหมุนของแท่น เมื่อครูออกนอกภาพหรือไปที่ขอบภาพ จะสลับเป็นพาโนรามาครู</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>โหมดพาโนรามากระดาน: แสดงภาพพาโนรามากระดานในทุกกรณี ยกเว้นเมื่อนักเรียนยืนขึ้นและแสดงโคลสอัพนักเรียน</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>โหมดสามพรีเซ็ต</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>โหมดติดตามตัว</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>โหมดสองกล้อง</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>โหมดผสม</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>โหมดพาโนรามากระดาน</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>ตั้งค่าพื้นที่</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>แสดง</translation>
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
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>กลาง</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>เรียกกล้อง</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>หาพื้นที่ติดตามอัตโนมัติ</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>ตรวจจับ AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>ล้างสแนปช็อต</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: เลือกพื้นที่ติดตาม วางเมาส์ไว้ในพื้นที่ติดตาม 
เมื่อพื้นที่ได้รับโฟกัสแล้วจะปรับขนาดได้ 
พื้นที่นี้จำเป็นต้องมี แก้ไขและปรับได้เท่านั้น ลบไม่ได้</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>ติดตาม</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: เลือกพื้นที่สแนปช็อต หากยังไม่ได้วาด ให้วาดพื้นที่ที่ต้องการสแนปช็อตบนภาพ 
หากต้องการปรับอีกหลังจากวาดแล้ว ลากหรือเลือกจุดยึดเพื่อปรับละเอียดได้
2: หากต้องการลบพื้นที่สแนปช็อต ให้คลิกปุ่ม [ล้างสแนปช็อต] ทางขวาแล้วกดนำไปใช้</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>สแนปช็อต</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: เลือกพื้นที่กระดาน หากวาดซ้าย กลาง และขวาไว้แล้ว โฟกัสจะอยู่ที่กระดานซ้ายโดยค่าเริ่มต้น 
และกระดานกลางกับขวาจะรับโฟกัสและแก้ไขไม่ได้ หากต้องการแก้ไขกระดานซ้าย 
กลาง หรือขวา ให้ยกเลิกเครื่องหมายถูกแล้ววาดใหม่ หรือแก้ไขและปรับ</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: เลือกพื้นที่บัง หากวาดพื้นที่บัง 1234 ไว้แล้ว 
โฟกัสจะอยู่ที่พื้นที่บัง 1 โดยค่าเริ่มต้น หากต้องการแก้ไขพื้นที่ใดใน 1234 
ให้ยกเลิกเครื่องหมายถูกแล้ววาดใหม่หรือแก้ไขการปรับ</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>บัง</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>บันทึกพรีเซ็ต</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>บันทึกพรีเซ็ตโคลสอัพ</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: พาโนรามา</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: โพเดียม</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: กระดานซ้าย</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: กระดานขวา</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: ภาพกระดาน</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: ครอปพาโน</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>บันทึกพรีเซ็ตกระดาน</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: กระดานซ้าย</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>หมายเลข 2 : กระดานขวา</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: กระดานกลาง</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>การตั้งพรีเซ็ตฝั่งกระดานมีผลเฉพาะเมื่อเลือกสลับในแบบห้ากล้อง ปุ่มสลับคือรายการตัวอักษรสีน้ำเงินด้านล่าง</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>กระดานออโต้</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>โพเดียมออโต้</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>ตัวเลือกขั้นสูง</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>เป้าหมายหาย</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>ไม่ทำอะไร</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>พาโนรามา (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>โพเดียม (พรีเซ็ต 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>พาโนรามานักเรียน</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>เมื่อครูลงจากแท่น ภาพโคลสอัพจะสลับตามตัวเลือก</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>เวลาคงกระดาน (วิ)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>เวลาคงคือระยะเวลาที่คงภาพโคลสอัพไว้หลังโคลสอัพกระดาน</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>หน่วงกลับพาโนรามา</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>เวลาหน่วงก่อนโคลสอัพกลับตำแหน่งพาโนรามา (หลายกล้องหรือ PTZ สองเลนส์) มีผลเฉพาะแบบสี่/ห้ากล้อง</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>เวลาตรวจกระดาน (วิ)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>เวลาตรวจคือเวลาหน่วงก่อนโคลสอัพกระดานหลังพบเป้าหมาย</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>หลายเป้าหมาย</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>ติดตามเป้าหมายปัจจุบัน</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>กลับไปพาโนรามา</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>เมื่อมีหลายเป้าหมายบนแท่น ภาพโคลสอัพจะสลับตามตัวเลือก</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>ฟังก์ชันกระดาน</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>เมื่อเปิดฟังก์ชันกระดาน กรอบตรวจกระดานและตำแหน่งกระดานที่ตั้งไว้จึงจะมีผล</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>ปรับตามความสูง</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>ปรับตามความสูงจะปรับความสูงกรอบโคลสอัพตามความสูงของเป้าหมายโดยอัตโนมัติ</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>ติดตามเมื่อเปิดเครื่อง</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>เริ่มติดตามทันทีเมื่อเปิดกล้อง</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>ระดับความเร็ว</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>ระดับความเร็วแท่นหมุน มีผลเฉพาะโหมดสามพรีเซ็ต</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>ปิด AF ขณะติดตาม</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>ไม่ปรับโฟกัสระหว่างติดตาม มีผลเฉพาะแบบสี่/ห้ากล้อง</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>ทดสอบการติดตาม</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>เรียกพรีเซ็ตโคลสอัพ</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>เรียกพรีเซ็ตกระดาน</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>แสดง/ซ่อนพื้นที่ที่วาด</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>หยุด/เริ่มการติดตาม</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>หยุดการครอปพาโนรามาชั่วคราวแล้ว</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>พื้นที่นักเรียน</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>วิธีใช้การตั้งค่าพื้นที่นักเรียน

 1.แสดง: ติ๊กเพื่อแสดงพื้นที่นักเรียนและพื้นที่บังที่ตั้งไว้ เอาติ๊กออกเพื่อปิด

 2.พื้นที่นักเรียน: แสดงจุดสีเขียวสี่จุดที่ล้อมพื้นที่ที่นักเรียนยืนขึ้น

 3.พื้นที่บัง: ตั้งได้สี่พื้นที่ เช่น พื้นที่บัง 1 ให้คลิกที่ขอบซ้ายของพื้นที่ 1 แล้วลากทวนเข็มนาฬิกาไปยังขอบข้างเคียงหรือขอบตรงข้าม</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>เวลาก่อนทำงานเมื่อหาย (วิ)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>หลังเป้าหมายหายและครบเวลานี้ จะทำ [การทำงานเมื่อเป้าหมายหาย]</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>พาโนรามา 0 (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>ตั้งการทำงานของ [กล้องโคลสอัพ] หลังเป้าหมายหาย</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>สลับพาโนรามา</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>ภาพบันทึกจะสลับเป็นพาโนรามานักเรียนก่อนแล้วจึงโคลสอัพนักเรียน ถ้าปิดจะสลับเป็นโคลสอัพนักเรียนทันที</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>เวลาคงโคลสอัพ</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>ตั้งเวลาสูงสุดที่คงโคลสอัพนักเรียนที่ยืนขึ้น</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>พาโนรามาเล็ก</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>กลับไปพาโนรามา 0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>ตั้งการติดตามเมื่อนักเรียนหลายคนยืนขึ้น</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>ตรวจจับใบหน้า</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>กล้องใช้การตรวจจับใบหน้าเพื่อตัดสินว่าควรโคลสอัพเป้าหมายหรือไม่</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>เรียกพรีเซ็ต</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>กลยุทธ์กำกับภาพ</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>กำกับภาพภายนอก: กล้อง (กล้องกระดาน กล้องนักเรียน กล้องครู) ส่งรหัสสถานะการติดตามไปยังเครื่องกำกับภาพ ซึ่งวิเคราะห์สถานะการติดตามเพื่อสลับสัญญาณภาพที่ส่งออก
ตัวอย่าง: ครูอยู่นิ่ง ff 01 00 00 00 12 บอกเพียงว่ามีครูยืนนิ่งอยู่ในพื้นที่ติดตาม เมื่อเครื่องกำกับภาพสลับตามการติดตามครู ยังต้องพิจารณาสถานะการติดตามของกล้องกระดานและกล้องนักเรียนด้วย

กำกับภาพภายใน: กล้อง (กล้องครู) ส่งรหัสสลับภาพไปยังเครื่องกำกับภาพ ซึ่งสลับสัญญาณภาพที่ส่งออกทันทีเมื่อได้รับรหัสสลับ
ตัวอย่าง: โคลสอัพนักเรียน ff 33 33 สลับสัญญาณภาพที่ส่งออกไปที่โคลสอัพนักเรียนโดยตรง</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>กำกับภาพภายนอก</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>ครู</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>อยู่บนโพเดียม</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>ครูอยู่นิ่ง</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>ครูเคลื่อนที่</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>ลงจากโพเดียม</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>หลายเป้าหมาย</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>นักเรียน</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>นักเรียนยืนขึ้น</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>โคลสอัพเข้าที่</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>นักเรียนนั่งลง</translation>
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
        <translation> กระดาน</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>มีการใช้งาน</translation>
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
        <translation>กำกับภาพภายใน</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>รหัสกำกับภาพ (เฉพาะกล้องครู)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>พาโนรามาครู</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>โคลสอัพครู</translation>
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
        <translation>โคลสอัพนักเรียน</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>กระดาน 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>กระดาน 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>ที่อยู่เซิร์ฟเวอร์ผู้กำกับ</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>พอร์ตเซิร์ฟเวอร์ผู้กำกับ</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>โปรโตคอล</translation>
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
        <translation>ซีเรียล</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>ชนิดคำสั่ง</translation>
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
        <translation>โหมดส่งรหัสกำกับภาพ</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>ครั้งเดียว</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>สามครั้ง</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>ต่อเนื่อง</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>สลับเป็นอัตโนมัติ</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>สลับเป็นแมนนวล</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>ออกจากตัวช่วย</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>เสร็จสิ้นตัวช่วย</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>โปรดเชื่อมต่อกล้อง</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>โปรดเชื่อมต่อกล้องพาโนรามาของครู</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>โปรดเชื่อมต่อกล้องพาโนรามาของนักเรียน</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>เปิดใช้การครอปพาโนรามาแล้ว</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>ประเภทการเชื่อมต่อไม่ตรงกัน</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>IP ครู</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>IP นักเรียน</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>ตรวจพบว่าช่องป้อนข้อมูลทั้งหมดว่างเปล่า!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>ตรวจพบข้อมูลเครือข่ายผิดพลาด!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>IP ที่ป้อนหมดเวลาตอบสนอง การเชื่อมต่ออาจล้มเหลว!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>รูปแบบคำสั่งผิดพลาด</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>จัดการอุปกรณ์</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>การตัดต่อ</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>ขั้นตอนการตั้งค่า</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>ตั้งค่าเสร็จแล้ว ต้องการไปที่หน้าหลักตอนนี้หรือไม่?</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>ออกจากการตั้งค่าตัวช่วย การทำงานอื่นจะถูกขัดจังหวะ!</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>ไม่ได้ป้อนข้อมูล!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>ตัดการเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>การเชื่อมต่อหมดเวลา</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>ข้อผิดพลาดการเชื่อมต่อ RTSP</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>การยืนยันตัวตน RTSP ล้มเหลว โปรดตรวจสอบว่าเปิดการยืนยันตัวตนบนเว็บไว้หรือมีความผิดปกติอื่น!</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>ไม่พบกระดานหรือจอในภาพ พื้นที่ยังคงเดิม</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>โคลสอัพ</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>พาโนรามา</translation>
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
        <translation>ครู</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>นักเรียน</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>กำกับภาพ</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>อัปเกรด</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>ตัวช่วยตั้งค่า</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>แมปพอร์ตเครื่องบันทึก</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>อ่านค่า</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP โคลสอัพ</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>เชื่อมต่อ</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP พาโนรามา</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>เริ่มติดตาม</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>หยุดติดตาม</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>บันทึกพรีเซ็ต</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>เรียกพรีเซ็ต</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ซูมเข้า</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ซูมออก</translation>
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
        <translation>จุดเริ่ม</translation>
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
ข
ย
า
ย
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>ตั้งค่าพื้นที่</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>แสดง</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: เลือกพื้นที่ติดตาม วางเมาส์ไว้ในพื้นที่ติดตาม 
เมื่อพื้นที่ได้รับโฟกัสแล้วจะปรับขนาดได้ 
พื้นที่นี้จำเป็นต้องมี แก้ไขและปรับได้เท่านั้น ลบไม่ได้</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>ติดตาม</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: เลือกพื้นที่สแนปช็อต หากยังไม่ได้วาด ให้วาดพื้นที่ที่ต้องการสแนปช็อตบนภาพ 
หากต้องการปรับอีกหลังจากวาดแล้ว ลากหรือเลือกจุดยึดเพื่อปรับละเอียดได้
2: หากต้องการลบพื้นที่สแนปช็อต ให้คลิกปุ่ม [ล้างสแนปช็อต] ทางขวาแล้วกดนำไปใช้</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>สแนปช็อต</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: เลือกพื้นที่กระดาน หากวาดซ้าย กลาง และขวาไว้แล้ว โฟกัสจะอยู่ที่กระดานซ้ายโดยค่าเริ่มต้น 
และกระดานกลางกับขวาจะรับโฟกัสและแก้ไขไม่ได้ หากต้องการแก้ไขกระดานซ้าย 
กลาง หรือขวา ให้ยกเลิกเครื่องหมายถูกแล้ววาดใหม่ หรือแก้ไขและปรับ</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: เลือกพื้นที่บัง หากวาดพื้นที่บัง 1234 ไว้แล้ว 
โฟกัสจะอยู่ที่พื้นที่บัง 1 โดยค่าเริ่มต้น หากต้องการแก้ไขพื้นที่ใดใน 1234 
ให้ยกเลิกเครื่องหมายถูกแล้ววาดใหม่หรือแก้ไขการปรับ</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>บัง</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>กลาง</translation>
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
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>ลอย</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>อัลฟา</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>ไม่มีคน</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>ตรวจจับ AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>ล้างสแนปช็อต</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>หาพื้นที่ติดตามอัตโนมัติ</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>การทำงานของปุ่มทิศทาง</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>โหมด PTZ</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>โหมดเมนู</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>โคลสอัพ</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>พาโนรามา</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>เมนู</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>สำรองพารามิเตอร์</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>ข้อมูลเวอร์ชัน</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>โคลสอัพ</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>พาโนรามา</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>เป้าหมายหาย</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>ไม่ทำอะไร</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>พาโนรามานักเรียน</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>พาโนรามา (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>โพเดียม (พรีเซ็ต 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>รอบการรอ: </translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>หมดเวลา: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>หลายเป้าหมาย</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>ติดตามเป้าหมายปัจจุบัน</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>กลับไปพาโนรามา</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>ความเร็ว PTZ</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>ระดับความเร็ว</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>หมายเหตุ: ใช้ได้เฉพาะโหมดสามพรีเซ็ต</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>ปรับเทียบตำแหน่งเลนส์</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>แสดงกากบาทปรับเทียบ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>ปรับเทียบ</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>ปรับเทียบอัตโนมัติ</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>โหมดโฟกัสพาโนรามา</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>โหมดแมนนวล</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>โหมดอัตโนมัติ</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>ชดเชยการกลับทิศ</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>ชดเชยแนวตั้ง</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>ชดเชยแนวนอน</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>ตั้งค่าการติดตาม</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>ติดตามเมื่อเปิดเครื่อง</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>ปิด AF ขณะติดตาม</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>ปรับตามความสูง</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>โคลสอัพติดตามแบบเรียลไทม์</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>ติดตามคน</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>ติดตามคน</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>กระดานของครู</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>เปิดใช้กระดาน</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>ตรวจการหันเข้ากระดาน</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>ตรวจมือบนกระดาน</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>ตรวจจับ: </translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>คงไว้: </translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>หาย: </translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>เว้น: </translation>
    </message>
    <message>
        <source>S</source>
        <translation>วิ</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>โหมดติดตาม</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>โหมดสามพรีเซ็ต</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>โหมดติดตามตัว</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>โหมดสองกล้อง</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>โหมดผสม</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>โหมดพาโนรามากระดาน</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>โหมดแท่นบรรยาย</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: พาโนรามา</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: โพเดียม</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: กระดานซ้าย</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: กระดานขวา</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: ครอปพาโน</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>พรีเซ็ต</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>กระดานออโต้</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>โพเดียมออโต้</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>ตั้งค่าพื้นฐาน</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>ความไว: </translation>
    </message>
    <message>
        <source>L</source>
        <translation>ต่ำ</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>สูง</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>ระยะโคลสอัพ: </translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>M</source>
        <translation>ม.</translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation>ระยะพาโน: </translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>ชดเชยแพน: </translation>
    </message>
    <message>
        <source>L </source>
        <translation>← </translation>
    </message>
    <message>
        <source>R</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>ชดเชยทิลต์: </translation>
    </message>
    <message>
        <source>D</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>U</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation>ตั้งค่าโหมดแท่นบรรยาย</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>ตำแหน่งเริ่มติดตาม</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>ตำแหน่งปัจจุบัน</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>พรีเซ็ต 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>ซูมอัตโนมัติ</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>ทิลต์อัตโนมัติ</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>เวลาคงเป้าหมาย</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>ขนาดบุคคล</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>เต็มตัว</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>ครึ่งตัว</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>โคลสอัพ</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>เซิร์ฟเวอร์กำกับภาพ</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>เปิด/ปิดเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <source>On</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>พอร์ต</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>ที่อยู่ IP </translation>
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
        <translation>เวลานอกโพเดียม</translation>
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
        <translation>พื้นที่นักเรียน</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>พื้นที่นั่ง</translation>
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
        <translation>พื้นที่ปรับเทียบ</translation>
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
        <translation>ขนาดโคลสอัพ: </translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>ความสูงกล้อง: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>โหมดเมนู</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>สลับพาโนรามา</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>ตรวจจับใบหน้า</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>หยุดการครอปพาโนรามาชั่วคราวแล้ว</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>ตั้งค่าพาโนรามา</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>ตรวจจับพาโนรามา PTZ</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>พาโนรามา 0 (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>พาโนรามาเล็ก</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>กลับไปพาโนรามา 0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>เวลาคงโคลสอัพ</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>ระยะเวลา (วิ)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>หน่วงกลับพาโนรามา</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>หน่วงพาโน</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>โหมด PTZ</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>ตัดภาพ</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>ตั้งกระดาน 0 (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>ไปกระดาน 0 (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>ตั้งกระดาน 1 (พรีเซ็ต 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>ไปกระดาน 1 (พรีเซ็ต 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>ตั้งพาโน (พรีเซ็ต 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>ไปพาโน (พรีเซ็ต 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>กระดาน 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>IP กระดาน</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>หมดเวลาเมื่อหาย: </translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>เปิดใช้กระดาน</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>เปิดใช้</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>เปิดใช้ 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>กระดาน:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>ตรวจจับ:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>หลายกระดาน</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>กระดาน 0 (พรีเซ็ต 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>กระดาน 1 (พรีเซ็ต 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>เมื่อกระดานหาย</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>หน่วงเมื่อหาย</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>ตั้งค่าการสื่อสาร</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>กล้อง</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP ครู</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP นักเรียน</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>ใช้ UART</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>บอดเรต</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>โปรโตคอล</translation>
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
        <translation>ซีเรียล</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>ชนิดคำสั่ง</translation>
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
        <translation>เซิร์ฟเวอร์กำกับภาพ</translation>
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
        <translation>สลับการติดตาม</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>สลับเป็นอัตโนมัติ</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>สลับเป็นแมนนวล</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>โหมดส่งรหัสกำกับภาพ</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>ครั้งเดียว</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>สามครั้ง</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>ต่อเนื่อง</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>กลยุทธ์กำกับภาพ</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>กำกับภาพภายนอก</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>กำกับภาพภายใน</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>อยู่บนโพเดียม</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>ครูอยู่นิ่ง</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>ครูเคลื่อนที่</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>ลงจากโพเดียม</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>หลายเป้าหมาย</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>นักเรียนยืนขึ้น</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>โคลสอัพเข้าที่</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>นักเรียนนั่งลง</translation>
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
        <translation> กระดาน</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>มีการใช้งาน</translation>
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
        <translation>รหัสกำกับภาพ (เฉพาะกล้องครู)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>พาโนรามาครู</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>โคลสอัพครู</translation>
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
        <translation>โคลสอัพนักเรียน</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>กระดาน 1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>กระดาน 2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>เวลาสลับขั้นต่ำ</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(ยกเว้นพาโนรามานักเรียน)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>ทดสอบกำกับภาพ</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>กำกับภาพเอง</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>ช่วงเวลากำกับภาพ</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>ช่วงคงที่</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>ช่วงเคลื่อนที่</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>ช่วงหลายคน</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>กำกับภาพภายนอก: กล้อง (กล้องกระดาน กล้องนักเรียน กล้องครู) ส่งรหัสสถานะการติดตามไปยังเครื่องกำกับภาพ ซึ่งวิเคราะห์สถานะการติดตามเพื่อสลับสัญญาณภาพที่ส่งออก
ตัวอย่าง: ครูอยู่นิ่ง ff 01 00 00 00 12 บอกเพียงว่ามีครูยืนนิ่งอยู่ในพื้นที่ติดตาม เมื่อเครื่องกำกับภาพสลับตามการติดตามครู ยังต้องพิจารณาสถานะการติดตามของกล้องกระดานและกล้องนักเรียนด้วย

กำกับภาพภายใน: กล้อง (กล้องครู) ส่งรหัสสลับภาพไปยังเครื่องกำกับภาพ ซึ่งสลับสัญญาณภาพที่ส่งออกทันทีเมื่อได้รับรหัสสลับ
ตัวอย่าง: โคลสอัพนักเรียน ff 33 33 สลับสัญญาณภาพที่ส่งออกไปที่โคลสอัพนักเรียนโดยตรง</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>อุปกรณ์:</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>เครือข่ายเครื่องนี้</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ลำดับ</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>ที่อยู่ IP</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>ซับเน็ตมาสก์</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>เกตเวย์</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>เวลาทำงาน</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>รุ่นอุปกรณ์</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>ที่อยู่ MAC</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>รหัสอุปกรณ์</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>DNS หลัก</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>สอบถาม</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>โหลดไฟล์</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>ไม่ได้เชื่อมต่อ</translation>
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
        <translation>ตั้งค่า</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>โหมด</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>แมนนวล</translation>
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
        <translation>ตั้งค่า</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>สำรองข้อมูล</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>กู้คืน</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>ที่อยู่ไฟล์ </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>ไฟล์สำรอง </translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>สถานะสำรอง </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>ดูภาพ</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ขึ้น</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>ลง</translation>
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
        <translation>แมปพอร์ต</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>IP เครื่องบันทึก</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ชื่อผู้ใช้</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>ตั้งค่า IP/พอร์ต</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>เครื่องครู</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>เครื่องนักเรียน</translation>
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
        <translation>พอร์ตสื่อสาร</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>พอร์ตแมปครู</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>พอร์ตแมป นักเรียน</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>พอร์ต RTSP</translation>
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
        <translation>พอร์ต VISCA</translation>
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
        <translation>พอร์ต UDP</translation>
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
        <translation>พอร์ต TCP</translation>
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
        <translation>พอร์ตสำรองข้อมูล</translation>
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
        <translation>พอร์ตค้นหา</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>แสดงเพิ่มเติม</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>เลือกจำนวนกล้อง</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 กล้อง</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 กล้อง</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 กล้อง</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 กล้อง</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>หมายเหตุ: ① ฟังก์ชันที่ไม่ตรงกับจำนวนกล้องจะถูกปิดไว้โดยค่าเริ่มต้น ② แท็บกระดานจะแสดงเฉพาะเมื่อใช้กล้องห้าหรือหกตัว</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
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
        <translation>สลับการตั้งค่าการติดตาม</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>การตั้งค่าการติดตาม 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>การตั้งค่าการติดตาม 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>ตัวถอดรหัส</translation>
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
        <translation>ป้อนค่า</translation>
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
        <translation>กลับ</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>เมนู</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: กระดานซ้าย</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: กระดานกลาง</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: ภาพกระดาน</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
ย่
อ
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>นำไปใช้(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>กระดาน 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>เปิดใช้ 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>มีอยู่</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>เกี่ยวกับ Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>การเปลี่ยนพอร์ตจะขัดจังหวะการทำงานอื่น!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>ชื่อผู้ใช้และรหัสผ่านต้องไม่ว่างเปล่า!</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>กรอกข้อมูลเครือข่ายไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>กรอกพอร์ตไม่ถูกต้อง: &quot;%1&quot; ไม่ใช่พอร์ตระหว่าง 1 ถึง 65535</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>ไม่สามารถบันทึกการตั้งค่าการส่งต่อพอร์ตไปยัง %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>เปิดสคริปต์ส่งต่อพอร์ตสำเร็จ</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>ไม่พบสคริปต์ส่งต่อพอร์ต: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>ไม่สามารถเปิดสคริปต์ส่งต่อพอร์ต</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>โปรดเชื่อมต่อกล้อง</translation>
    </message>
    <message>
        <source>information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>รูปแบบคำสั่งไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>เปิดใช้การครอปพาโนรามาแล้ว</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>ประเภทการเชื่อมต่อไม่ตรงกัน</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>การเชื่อมต่อหมดเวลา</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>การเชื่อมต่อล้มเหลว</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>เลิกเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>โปรดเชื่อมต่อกล้องพาโนรามาของครู</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>โปรดเชื่อมต่อกล้องพาโนรามาของนักเรียน</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>ดึงการตั้งค่าไม่สำเร็จ โปรดเชื่อมต่อใหม่หรือคลิกปุ่ม &quot;อ่านค่า&quot; เพื่อดึงการตั้งค่า!</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>ดึงการตั้งค่าการติดตามไม่สำเร็จ โปรดลองตัดการเชื่อมต่อแล้วเชื่อมต่อใหม่</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>อ่านค่าครูไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>จะไม่มีการดำเนินการใด ๆ!</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>อ่านค่าครูสำเร็จ</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>นำค่าครูไปใช้ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>นำค่าครูไปใช้สำเร็จ</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>อ่านค่านักเรียนไม่สำเร็จ</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>อ่านค่านักเรียนสำเร็จ</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>นำค่านักเรียนไปใช้ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>นำค่านักเรียนไปใช้สำเร็จ</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>เข้าสู่ตัวช่วยตั้งค่า การทำงานอื่นจะถูกขัดจังหวะ!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>ต้องการออกจากโปรแกรมหรือไม่?</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>ไม่สามารถบันทึกการตั้งค่าลง %1 ได้ ไฟล์เดิมยังอยู่ แต่ไม่มีการเปลี่ยนแปลงหลังจากนั้น
ออกเลย (OK) หรืออยู่ต่อโดยยังเชื่อมต่อกล้องไว้ (Cancel)?</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>พอร์ตและที่อยู่ของเครื่องกำกับภาพต้องไม่ว่าง!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>ไม่สามารถอัปเดตการตั้งค่าการติดตามได้ ต้องการหยุดติดตามหรือไม่?</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>ไม่สามารถสร้างไฟล์ล็อก %1: %2
โฟลเดอร์ชั่วคราวต้องมีอยู่ เขียนได้ และมีพื้นที่ว่าง</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>ไม่พบโมเดลการตรวจจับที่ %1 คัดลอกโมเดลไปไว้ที่นั่นแล้วเริ่มโปรแกรมใหม่เพื่อใช้การตรวจจับด้วย AI</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>ไม่สามารถอ่านไฟล์การตั้งค่า %1 ได้ ย้ายไปที่ %2 แล้ว และโปรแกรมจะเริ่มด้วยการตั้งค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>ไม่สามารถอ่านไฟล์การตั้งค่า %1 และย้ายออกไม่ได้: %2
ไฟล์จะคงไว้ตามเดิม โปรแกรมเริ่มด้วยการตั้งค่าเริ่มต้น และจะบันทึกการตั้งค่าไม่ได้จนกว่าจะลบไฟล์นั้น</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>หยุดการชดเชยการกลับทิศแล้ว: ไม่ได้ภาพจากกล้องระยะใกล้ที่ใช้ได้ ไม่ได้เขียนสิ่งใดลงกล้อง</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>การชดเชยการกลับทิศบอกไม่ได้ว่าภาพเคลื่อนหรือไม่: ภาพจากกล้องระยะใกล้มีรายละเอียดน้อยเกินไป ไม่ได้เขียนสิ่งใดลงกล้อง</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>การปรับเทียบอัตโนมัติล้มเหลว</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>ไม่สามารถโหลดโมเดลการตรวจจับ %1: %2 แทนที่โมเดลแล้วเริ่มโปรแกรมใหม่เพื่อใช้การตรวจจับด้วย AI</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>ไม่สามารถอ่านรายการคลาส %1: %2 แทนที่รายการแล้วเริ่มโปรแกรมใหม่เพื่อใช้การตรวจจับด้วย AI</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>ไม่สามารถเรียกใช้โมเดลการตรวจจับ %1: %2 พื้นที่ยังคงเหมือนเดิม</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>โมเดลการตรวจจับ %1 ไม่ตรงกับรายการคลาส %2: %3 พื้นที่ยังคงเหมือนเดิม</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>ไฟล์การตั้งค่า %1 ถูกตัดขาด: ไม่มีคีย์ที่เขียนทุกครั้งที่บันทึก (ทั้งหมด %2 คีย์: %3) ไฟล์ถูกย้ายไปที่ %4 และเครื่องมือจะเริ่มด้วยการตั้งค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>ไฟล์การตั้งค่า %1 ถูกตัดขาด: ไม่มีคีย์ที่เขียนทุกครั้งที่บันทึก (ทั้งหมด %2 คีย์: %3) ย้ายไฟล์ออกไปไม่ได้: %4
ไฟล์จะถูกเก็บไว้ตามเดิม เครื่องมือเริ่มด้วยการตั้งค่าเริ่มต้น และบันทึกการตั้งค่าไม่ได้จนกว่าจะลบไฟล์นี้</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>ไม่ได้เขียนการตั้งค่า: %1 อ่านไม่ได้ตอนเริ่มทำงานหรือถูกตัดขาด และย้ายออกไปไม่ได้ จึงเก็บไว้ตามที่พบเพื่อไม่ให้ข้อมูลในไฟล์สูญหาย โปรดย้ายหรือลบไฟล์นี้เพื่อบันทึกการตั้งค่า
จะออกเลย (ตกลง) หรือจะอยู่ต่อโดยยังเชื่อมต่อกล้องไว้ (ยกเลิก)?</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>ไม่มีโฟลเดอร์ชั่วคราว %1 จึงสร้างไฟล์ล็อกที่ป้องกันไม่ให้สำเนาที่สองของเครื่องมือนี้เริ่มทำงานไม่ได้
โปรดสร้างโฟลเดอร์นั้น หรือตั้งโฟลเดอร์ชั่วคราวเป็นโฟลเดอร์ที่มีอยู่</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>สร้างไฟล์ล็อก %1 ไม่ได้: มีโฟลเดอร์หรือสิ่งอื่นที่ไม่ใช่ไฟล์ใช้ชื่อนั้นอยู่
โปรดลบหรือเปลี่ยนชื่อ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>วัน</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>ข้อมูลเครือข่ายไม่ครบถ้วน</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>โปรดเลือกไฟล์สำรองข้อมูล</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>ไม่มีไฟล์สำรองข้อมูล</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>ประเภทไฟล์ไม่ตรงกัน</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>กำลังเชื่อมต่อ...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>เชื่อมต่อแล้ว</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>หมดเวลา</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>กำลังรอเริ่มการอัปเกรด</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>กำลังส่ง...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>พื้นที่ดิสก์ของอุปกรณ์ไม่เพียงพอ</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>รับไฟล์เสร็จสิ้น</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>ตรวจสอบไฟล์สำเร็จ กำลังอัปเกรด...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>ตรวจสอบไฟล์ล้มเหลว กำลังรีบูต...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>อัปเกรดล้มเหลว กำลังรีบูต...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>ไม่พบไฟล์อัปเกรด ARM กำลังรีบูต...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>เริ่มสำรองข้อมูล</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>เริ่มรับข้อมูล</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>สำรองข้อมูลสำเร็จ</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>สำรองข้อมูลล้มเหลว</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>กำลังกู้คืน...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>กู้คืนล้มเหลว กำลังรีบูต...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>กู้คืนสำเร็จ</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>อัปเกรดสำเร็จ</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>โปรดเลือกแพ็กเกจอัปเกรด</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>โปรดเลือกประเภทการอัปเกรด</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>ประเภทไฟล์อัปเกรดไม่ตรงกัน</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>เปิดไฟล์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>ส่งออกสำเร็จ</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>ส่งออกล้มเหลว</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>นำเข้าสำเร็จ</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>นำเข้าล้มเหลว</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>บันทึกไฟล์สำรอง</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>เลือกไฟล์สำรอง</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>อุปกรณ์: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>การเริ่มต้นมัลติคาสต์ล้มเหลว</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>การเข้าร่วมกลุ่มมัลติคาสต์ล้มเหลว</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>โปรดเลือกอุปกรณ์ที่ต้องการกำหนดค่า</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>ตั้งค่าสำเร็จ</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>ต้องการรีบูตจริงหรือไม่?</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>รีบูต</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>เลือกแพ็กเกจอัปเกรด</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>ซ่อนเพิ่มเติม</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>เข้าสู่การกำกับภาพเอง การทำงานอื่นจะถูกหยุด!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(ตอบกลับอีก %1 เครื่อง ไม่ได้แสดงในรายการ)</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ขึ้น</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>ลง</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>เมนู</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>ดูตัวอย่างวิดีโอ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>การเชื่อมต่อหมดเวลา</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ตกลง(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ยกเลิก(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>กล่องโต้ตอบ</translation>
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
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>ตำแหน่งติดตั้งกล้อง</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>กำกับภาพเอง</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>ภาพกำกับ</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>กำกับภาพอัตโนมัติ</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>โคลสอัพครู:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>พาโนรามาครู:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>โคลสอัพนักเรียน:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>พาโนรามานักเรียน:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP ครู</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>เชื่อมต่อ</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP นักเรียน</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>ใช้ทรัพยากรน้อย</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>ลื่นไหล</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>ครู</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>ติดตาม</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>โหมดติดตาม</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>โหมดติดตามตัว</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>โหมดสองกล้อง</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>โหมดผสม</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>โหมดพาโนรามากระดาน</translation>
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
        <translation>จุดเริ่ม</translation>
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
        <translation>ซูมออก</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ซูมเข้า</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>ซ้าย</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>กลาง</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ขวา</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>พาโนรามา</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>โพเดียม</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>พาโนรามากระดาน</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>นักเรียน</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>ตั้งค่า</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>กรอกข้อมูลเครือข่ายไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>การเชื่อมต่อหมดเวลา</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>เลิกเชื่อมต่อ</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>โปรดเชื่อมต่อกล้อง</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>เปลี่ยนเป็นการกำกับภาพเองแล้ว</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>ประเภทการเชื่อมต่อไม่ตรงกัน</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>ต้องการเข้าสู่การตั้งค่าหรือไม่?</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>ต้องการออกจากโปรแกรมหรือไม่?</translation>
    </message>
</context>
</TS>
