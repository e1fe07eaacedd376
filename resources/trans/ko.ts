<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <translation>홈</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>줌 인</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>줌 아웃</translation>
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
        <translation>폼</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>설정 종료</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>마법사 완료</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>전경</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>보정 중지</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>자동 보정 중에는 화면에 움직이는 사람이 한 명만 있어야 합니다. 그렇지 않으면 데이터가 비정상이 됩니다.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>자동 보정을 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>자동 보정에 실패했습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>자동 보정에 성공했습니다.</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>마법사 설정</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2대 구성: 교사용과 학생용 카메라를 지원하며 교사 클로즈업, 교사 파노라마, 학생 클로즈업, 학생 파노라마를 포함합니다.</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>카메라 대수</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2대</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4대</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5대</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6대</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>설정 도구 마법사에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4대 구성: 2대 구성을 바탕으로 교사 파노라마 카메라와 학생 파노라마 카메라를 유지하고, PTZ 카메라 2대를 각각 교사 클로즈업 카메라와 학생 클로즈업 카메라로 사용합니다.</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5대 구성: 4대 구성에 판서 카메라 1대를 추가합니다.</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>교사 클로즈업 IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>교사 파노라마 IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>학생 클로즈업 IP</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>학생 파노라마 IP</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>판서 1 IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>판서 2 IP</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6대 구성: 5대 구성에 판서 카메라 1대를 더 추가합니다.</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>파노라마 보정</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>보정 십자선 표시</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>클로즈업 IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>파노라마 IP</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>추적 모드</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>참고: 카메라가 정상적으로 연결되지 않으면 기본 모드가 표시됩니다. 연결에 성공하면 카메라에 설정된 모드가 사용됩니다.</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>3 프리셋 모드: 교사가 판서 영역에 들어가면 계속 교사를 클로즈업합니다. 왼쪽/가운데/오른쪽 판서의 세 프리셋이 세 교사 클로즈업 위치에 해당합니다.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>팔로우 모드: 교사가 움직이든 멈춰 있든 계속 교사를 클로즈업합니다.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>듀얼 카메라 모드: 교사가 멈춰 있거나 클로즈업 화면 안에서 움직이면 클로즈업을 유지하고, 화면 밖이나 가장자리로 나가면 교사 파노라마로 전환합니다.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>혼합 모드: 교사가 멈춰 있거나 클로즈업 화면 안에서 움직이면 클로즈업을 유지합니다. 화면 안에서 조금 움직이면 교사를 천천히 가운데로 맞추며 PTZ 움직임이 보입니다. 화면 밖이나 가장자리로 나가면 교사 파노라마로 전환합니다.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>판서 파노라마 모드: 학생이 일어서서 학생 클로즈업을 보낼 때 외에는 항상 칠판 파노라마를 표시합니다.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>3 프리셋 모드</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>팔로우 모드</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>듀얼 카메라 모드</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>혼합 모드</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>판서 파노라마 모드</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>영역 설정</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>표시</translation>
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
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>카메라 호출</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>자동 감지 추적</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI 감지</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>스냅샷 삭제</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: 추적 영역을 선택합니다. 마우스를 추적 영역 안에 두고
포커스를 얻으면 추적 영역의 크기를 조정할 수 있습니다.
필수 항목이며 수정과 조정만 가능하고 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: 스냅샷 영역을 선택합니다. 그려져 있지 않으면 영상에서 스냅샷할 영역을 그리십시오.
그린 후 다시 조정하려면 드래그하거나 앵커 포인트를 선택해 미세 조정할 수 있습니다.
2: 스냅샷 영역을 지우려면 오른쪽의 [스냅샷 삭제] 버튼을 클릭한 후 적용하십시오</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: 칠판 영역을 선택합니다. 왼쪽, 가운데, 오른쪽이 모두 그려져 있으면 포커스는 기본적으로 왼쪽 칠판에 있으며,
가운데와 오른쪽 칠판은 포커스를 얻어 수정할 수 없습니다. 왼쪽,
가운데, 오른쪽 중 하나를 수정하려면 체크를 해제한 후 다시 그리거나 수정·조정하십시오.</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>칠판</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: 마스크 영역을 선택합니다. 마스크 영역 1~4가 모두 그려져 있으면
포커스는 기본적으로 마스크 영역 1에 있습니다. 1~4 중 하나를 수정하려면
체크를 해제한 후 다시 그리거나 수정·조정하십시오.</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>마스크</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>프리셋 저장</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>클로즈업 프리셋 저장</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0번: 파노라마</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1번: 교단</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2번: 왼쪽 칠판</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3번: 오른쪽 칠판</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11번: 판서 파노라마</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60번: 파노라마 크롭</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>판서 프리셋 저장</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1번: 왼쪽 칠판</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>2번 : 오른쪽 판서</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2번: 가운데 칠판</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>판서 쪽 프리셋 저장은 5대 구성에서 전환했을 때만 적용됩니다. 전환 버튼은 아래 파란 글자 항목입니다.</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>판서 파노라마 자동</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>교단 자동</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>고급 옵션</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>대상 손실 시</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>파노라마(프리셋 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>교단(프리셋 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>학생 파노라마</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>교사가 교단을 내려오면 클로즈업 화면이 선택에 따라 전환됩니다.</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>판서 유지 시간(초)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>유지 시간은 판서를 클로즈업한 뒤 클로즈업을 유지하는 시간입니다.</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>클로즈업→파노라마 복귀 지연</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>다중 카메라 또는 듀얼 렌즈 PTZ에서 클로즈업이 파노라마 위치로 돌아가기까지의 지연 시간. 4/5대 구성에서만 적용됩니다.</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>판서 감지 시간(초)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>감지 시간은 대상을 찾은 뒤 판서를 클로즈업하기까지의 지연입니다.</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>다중 대상 시</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>현재 대상 추적</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>파노라마로 복귀</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>교단에 대상이 여럿 있으면 클로즈업 화면이 선택에 따라 전환됩니다.</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>판서 기능</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>판서 기능을 켜야 설정한 판서 감지 영역과 해당 판서 위치가 적용됩니다.</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>높이 자동 조정</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>키 자동 맞춤은 대상의 키에 따라 클로즈업 프레임 높이를 자동으로 조정합니다.</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>시작 시 추적</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>카메라가 켜지면 바로 추적을 시작합니다.</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ 속도 레벨</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>PTZ 속도 단계. 3프리셋 모드에서만 적용됩니다.</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>추적 중 AF 끄기</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>추적 중에는 초점을 맞추지 않습니다. 4/5대 구성에서만 적용됩니다.</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>추적 테스트</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>클로즈업 프리셋 호출</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>판서 프리셋 호출</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>그린 영역 표시/숨기기</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>추적 중지/시작</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>파노라마 크롭이 일시 중지되었습니다</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>학생 영역</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>학생 영역 설정 사용법

 1.표시: 체크하면 설정된 학생 영역과 가림 영역을 표시하고, 해제하면 닫습니다.

 2.학생 영역: 학생 기립 영역을 둘러싼 초록색 표시 4개를 보여 줍니다.

 3.가림 영역: 네 개까지 설정할 수 있습니다. 예를 들어 가림 영역 1은 그 왼쪽 경계를 클릭한 뒤 시계 반대 방향으로 옆 경계나 맞은편 경계까지 끕니다.</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>손실 동작 시간(초)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>대상을 잃은 뒤 이 시간이 지나면 [대상 손실 동작]을 실행합니다.</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>파노라마 0(프리셋 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>대상을 잃은 뒤 [클로즈업 카메라]의 동작을 설정합니다.</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>파노라마 전환</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>녹화 화면이 먼저 학생 파노라마로, 그다음 학생 클로즈업으로 전환됩니다. 끄면 바로 학생 클로즈업으로 전환됩니다.</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>클로즈업 지속 시간</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>일어선 학생을 클로즈업으로 유지하는 최대 시간을 설정합니다.</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>소형 파노라마</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>파노라마 0으로 복귀</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>여러 학생이 일어섰을 때의 추적 동작을 설정합니다.</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>얼굴 감지</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>카메라가 얼굴 감지로 추적 대상을 클로즈업할지 판단합니다.</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>프리셋 호출</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>연출 방식</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>외부 연출: 카메라(판서 카메라, 학생 카메라, 교사 카메라)가 추적 상태 코드를 연출 호스트로 보내면, 연출 호스트가 추적 상태를 분석하여 영상 출력을 전환합니다.
예: 교사 정지 ff 01 00 00 00 12는 교사가 추적 영역에서 정지해 있다는 것만 알려 줍니다. 연출 호스트가 교사 화면으로 전환할 때는 판서 카메라와 학생 카메라의 추적 상태도 고려해야 합니다.

내부 연출: 카메라(교사 카메라)가 전환 코드를 연출 호스트로 보내면, 연출 호스트는 전환 코드를 받는 즉시 영상 출력을 전환합니다.
예: 학생 클로즈업 ff 33 33을 받으면 연출 영상 출력이 바로 학생 클로즈업으로 전환됩니다.</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>외부 연출</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>교사</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>교단 진입</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>교사 정지</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>교사 이동</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>교단 이탈</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>다중 대상</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>학생</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>학생 기립</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>클로즈업 완료</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>학생 착석</translation>
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
        <translation> 판서</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>동작 있음</translation>
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
        <translation>내부 연출</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>연출 코드(교사 카메라 전용)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>교사 파노라마</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>교사 클로즈업</translation>
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
        <translation>학생 클로즈업</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>판서</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>판서 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>판서 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>디렉터 서버 주소</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>디렉터 서버 포트</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
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
        <translation>시리얼</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>명령 형식</translation>
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
        <translation>연출 코드 전송 방식</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1회</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>3회</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>자동으로 전환</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>수동으로 전환</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>마법사 종료</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>마법사 완료</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>교사 전경 카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>학생 전경 카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>파노라마 크롭이 활성화되었습니다</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>연결 유형이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>교사 IP</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>학생 IP</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>모든 입력란이 비어 있습니다!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>네트워크 정보 오류가 감지되었습니다!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>입력한 IP의 응답 시간이 초과되었습니다. 연결에 실패할 수 있습니다!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>명령 형식 오류</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>장치 관리</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>디렉터</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>설정 단계</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>설정이 완료되었습니다. 지금 홈 화면으로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>마법사 설정을 종료합니다. 다른 작업은 중단됩니다!</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>입력이 비어 있습니다!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>연결 시간 초과</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>RTSP 연결 오류</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>RTSP 인증에 실패했습니다. 웹에서 인증이 켜져 있는지 또는 다른 이상이 있는지 확인하십시오!</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>화면에서 칠판이나 스크린을 찾지 못했습니다. 영역은 그대로 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>전경</translation>
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
        <translation>교사</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>학생</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>판서</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>연출</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>마법사 설정</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>녹화기 포트 매핑</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>읽어오기</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>클로즈업 IP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>파노라마 IP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>추적 시작</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>추적 중지</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>프리셋 저장</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>프리셋 호출</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>줌 인</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>줌 아웃</translation>
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
        <translation>홈</translation>
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
펼
치
기
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>영역 설정</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: 추적 영역을 선택합니다. 마우스를 추적 영역 안에 두고
포커스를 얻으면 추적 영역의 크기를 조정할 수 있습니다.
필수 항목이며 수정과 조정만 가능하고 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: 스냅샷 영역을 선택합니다. 그려져 있지 않으면 영상에서 스냅샷할 영역을 그리십시오.
그린 후 다시 조정하려면 드래그하거나 앵커 포인트를 선택해 미세 조정할 수 있습니다.
2: 스냅샷 영역을 지우려면 오른쪽의 [스냅샷 삭제] 버튼을 클릭한 후 적용하십시오</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: 칠판 영역을 선택합니다. 왼쪽, 가운데, 오른쪽이 모두 그려져 있으면 포커스는 기본적으로 왼쪽 칠판에 있으며,
가운데와 오른쪽 칠판은 포커스를 얻어 수정할 수 없습니다. 왼쪽,
가운데, 오른쪽 중 하나를 수정하려면 체크를 해제한 후 다시 그리거나 수정·조정하십시오.</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>칠판</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: 마스크 영역을 선택합니다. 마스크 영역 1~4가 모두 그려져 있으면
포커스는 기본적으로 마스크 영역 1에 있습니다. 1~4 중 하나를 수정하려면
체크를 해제한 후 다시 그리거나 수정·조정하십시오.</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>마스크</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>가운데</translation>
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
        <translation>없음</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>플로팅</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>반투명</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>인물 없음</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI 감지</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>스냅샷 삭제</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>자동 감지 추적</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>방향키 동작</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>PTZ 모드</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>메뉴 모드</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>전경</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>파라미터 백업</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>버전 정보</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>클로즈업:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>파노라마:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>대상 손실 시</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>학생 파노라마</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>파노라마(프리셋 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>교단(프리셋 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>유지 횟수:</translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>타임아웃: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>다중 대상 시</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>현재 대상 추적</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>파노라마로 복귀</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>PTZ 속도</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ 속도 레벨</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>팁: 3 프리셋 모드에서만 유효</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>파노라마 렌즈 위치 보정</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>보정 십자선 표시</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>자동 보정</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>파노라마 초점 모드</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>수동 모드</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>자동 모드</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>백래시 보정</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>수직 보정</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>수평 보정</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>추적 설정</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>시작 시 추적</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>추적 중 AF 끄기</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>높이 자동 조정</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>클로즈업 실시간 추적</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>인물 추적</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>인물 추적</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>교사 판서 설정</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>판서 사용</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>판서 얼굴 감지 사용</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>판서 손 감지 사용</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>감지 시간:</translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>유지 시간:</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>손실 시간:</translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>간격 시간:</translation>
    </message>
    <message>
        <source>S</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>추적 모드</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>3 프리셋 모드</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>팔로우 모드</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>듀얼 카메라 모드</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>혼합 모드</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>판서 파노라마 모드</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>교탁 모드</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0번: 파노라마</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1번: 교단</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2번: 왼쪽 칠판</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3번: 오른쪽 칠판</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60번: 파노라마 크롭</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>프리셋 목록</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>판서 파노라마 자동</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>교단 자동</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>감도:</translation>
    </message>
    <message>
        <source>L</source>
        <translation>저</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>고</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>클로즈업 거리:</translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>M</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation>파노라마 거리:</translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>팬 오프셋:</translation>
    </message>
    <message>
        <source>L </source>
        <translation>좌</translation>
    </message>
    <message>
        <source>R</source>
        <translation>우</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>틸트 오프셋:</translation>
    </message>
    <message>
        <source>D</source>
        <translation>하</translation>
    </message>
    <message>
        <source>U</source>
        <translation>상</translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation>교탁 모드 설정</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>추적 시작 위치</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>현재 위치</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>프리셋 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>자동 줌</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>자동 틸트</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>대상 유지 시간</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>인물 크기</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>전신</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>반신</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>클로즈업</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 정의</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>연출 서버 설정</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>연출 서버 사용</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>IP 주소</translation>
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
        <translation>교단 이탈 시간</translation>
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
        <translation>학생 영역</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>좌석 영역</translation>
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
        <translation>보정 영역</translation>
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
        <translation>클로즈업 크기:</translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>카메라 높이:</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>메뉴 모드</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>파노라마 전환</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>얼굴 감지</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>파노라마 크롭이 일시 중지되었습니다</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>파노라마 설정</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>PTZ 파노라마 감지</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>파노라마 0(프리셋 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>소형 파노라마</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>파노라마 0으로 복귀</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>클로즈업 지속 시간</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>지속 시간(초)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>클로즈업→파노라마 지연</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>파노라마 지연</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>PTZ 모드</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>크롭</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>판서 0 저장(프리셋 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>판서 0 호출(프리셋 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>판서 1 저장(프리셋 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>판서 1 호출(프리셋 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>파노라마 저장(프리셋 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>파노라마 호출(프리셋 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>판서 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>판서 IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>손실 타임아웃:</translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>판서 카메라</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>사용 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>판서:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>감지:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>다중 판서 동작</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>판서 0(프리셋 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>판서 1(프리셋 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>판서 손실 동작</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>판서 손실 지연</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>통신 설정</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>교사 IP</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>학생 IP</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>UART 사용</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>전송속도</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
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
        <translation>시리얼</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>명령 형식</translation>
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
        <translation>연출 서버</translation>
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
        <translation>추적 전환</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>자동으로 전환</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>수동으로 전환</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>연출 코드 전송 방식</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1회</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>3회</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>연출 방식</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>외부 연출</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>내부 연출</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>교단 진입</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>교사 정지</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>교사 이동</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>교단 이탈</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>다중 대상</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>학생 기립</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>클로즈업 완료</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>학생 착석</translation>
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
        <translation> 판서</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>동작 있음</translation>
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
        <translation>연출 코드(교사 카메라 전용)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>교사 파노라마</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>교사 클로즈업</translation>
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
        <translation>학생 클로즈업</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>판서</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>판서 1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>판서 2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>최소 전환 시간</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(학생 파노라마 제외)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>연출 테스트</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>수동 연출</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>연출 간격 설정</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>유지 간격</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>이동 간격</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>다중 대상 간격</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>외부 연출: 카메라(판서 카메라, 학생 카메라, 교사 카메라)가 추적 상태 코드를 연출 호스트로 보내면, 연출 호스트가 추적 상태를 분석하여 영상 출력을 전환합니다.
예: 교사 정지 ff 01 00 00 00 12는 교사가 추적 영역에서 정지해 있다는 것만 알려 줍니다. 연출 호스트가 교사 화면으로 전환할 때는 판서 카메라와 학생 카메라의 추적 상태도 고려해야 합니다.

내부 연출: 카메라(교사 카메라)가 전환 코드를 연출 호스트로 보내면, 연출 호스트는 전환 코드를 받는 즉시 영상 출력을 전환합니다.
예: 학생 클로즈업 ff 33 33을 받으면 연출 영상 출력이 바로 학생 클로즈업으로 전환됩니다.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>장치:</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>로컬 네트워크</translation>
    </message>
    <message>
        <source>No</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>서브넷</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>가동 시간</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>장치 모델</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>장치 ID</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>기본 DNS</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>조회</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>파일 불러오기</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>연결 안 됨</translation>
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
        <translation>설정</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>수동</translation>
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
        <translation>설정</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>파일 경로</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>백업 파일</translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>백업 상태</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리보기</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>위</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>아래</translation>
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
        <translation>유형 1</translation>
    </message>
    <message>
        <source>TYPE2</source>
        <translation>유형 2</translation>
    </message>
    <message>
        <source>Port map</source>
        <translation>포트 매핑</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>녹화기 IP</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>IP/포트 설정</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>교사 카메라</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>학생 카메라</translation>
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
        <translation>통신 포트</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>교사 매핑 포트</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>학생 매핑 포트</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP 포트</translation>
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
        <translation>VISCA 포트</translation>
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
        <translation>UDP 포트</translation>
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
        <translation>TCP 포트</translation>
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
        <translation>백업 포트</translation>
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
        <translation>검색 포트</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>카메라 대수</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2대</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4대</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5대</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6대</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>참고: ① 카메라 대수에 따라 해당하지 않는 일부 기능은 기본적으로 비활성화됩니다. ② 판서 카메라는 5대/6대 구성에서만 표시됩니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
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
        <translation>추적 설정 전환</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>추적 설정 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>추적 설정 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>디코더</translation>
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
        <translation>입력</translation>
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
        <translation>뒤로</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1번: 왼쪽 칠판</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2번: 가운데 칠판</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11번: 판서 파노라마</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
접
기
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>적용(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>판서 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>사용 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>있음</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Corvane 정보</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>포트를 변경하면 다른 작업이 중단됩니다!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>사용자 이름과 비밀번호를 비워 둘 수 없습니다!</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>네트워크 정보 입력 오류</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>포트 입력 오류: &quot;%1&quot;은(는) 1~65535 사이의 포트가 아닙니다</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>포트 포워딩 설정을 %1에 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>포트 포워딩 스크립트를 실행했습니다</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>포트 포워딩 스크립트를 찾을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>포트 포워딩 스크립트를 실행하지 못했습니다</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>명령 형식 오류</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>파노라마 크롭이 활성화되었습니다</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>연결 유형이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>연결 시간 초과</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>교사 전경 카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>학생 전경 카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>설정을 가져오지 못했습니다. 다시 연결하거나 [읽어오기] 버튼을 눌러 설정을 가져오십시오!</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>추적 설정을 가져오지 못했습니다. 연결을 해제한 후 다시 연결해 보십시오</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>교사 설정 읽어오기 실패</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>아무것도 실행되지 않습니다!</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>교사 설정을 읽어왔습니다</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>교사 설정 적용 실패</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>교사 설정을 적용했습니다</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>학생 설정 읽어오기 실패</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>학생 설정을 읽어왔습니다</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>학생 설정 적용 실패</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>학생 설정을 적용했습니다</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>마법사 설정으로 들어갑니다. 다른 작업은 중단됩니다!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>정말 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>설정을 %1에 쓸 수 없습니다. 이전 파일은 유지되지만 이후 변경 사항은 없습니다.
그래도 종료하시겠습니까 (OK), 카메라 연결을 유지하고 머무르시겠습니까 (Cancel)?</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>디렉터 포트와 주소는 비워 둘 수 없습니다!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>추적 설정을 업데이트할 수 없습니다. 추적을 중지하시겠습니까?</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>잠금 파일 %1을(를) 만들 수 없습니다: %2.
임시 폴더가 있어야 하고, 쓰기 가능하며 여유 공간이 있어야 합니다.</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>%1에서 감지 모델을 찾을 수 없습니다. AI 감지를 사용하려면 모델을 그곳에 복사하고 프로그램을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>설정 파일 %1을(를) 읽을 수 없습니다. %2(으)로 옮겼으며 기본 설정으로 시작합니다.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>설정 파일 %1을(를) 읽을 수 없고 옮길 수도 없습니다: %2.
파일은 그대로 두고 기본 설정으로 시작합니다. 이 파일을 지우기 전까지 설정을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>반전 보정을 중지했습니다: 클로즈업 카메라의 사용할 수 있는 화면을 얻지 못했습니다. 카메라에는 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>반전 보정에서 화면이 움직였는지 판단할 수 없습니다: 클로즈업 카메라 화면의 디테일이 너무 적습니다. 카메라에는 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>자동 보정 실패</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>감지 모델 %1을(를) 불러올 수 없습니다: %2. AI 감지를 사용하려면 모델을 교체하고 프로그램을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>클래스 목록 %1을(를) 읽을 수 없습니다: %2. AI 감지를 사용하려면 목록을 교체하고 프로그램을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>감지 모델 %1을(를) 실행할 수 없습니다: %2. 영역은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>감지 모델 %1이(가) 클래스 목록 %2과(와) 맞지 않습니다: %3. 영역은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>설정 파일 %1이(가) 잘려 있습니다: 저장할 때마다 기록되는 키가 없습니다(모두 %2개: %3). 파일을 %4(으)로 옮겼으며, 도구는 기본 설정으로 시작합니다.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>설정 파일 %1이(가) 잘려 있습니다: 저장할 때마다 기록되는 키가 없습니다(모두 %2개: %3). 다른 곳으로 옮길 수 없습니다: %4.
파일은 그대로 보관하고 도구는 기본 설정으로 시작하며, 이 파일을 삭제할 때까지 설정을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>설정이 기록되지 않았습니다: %1은(는) 시작할 때 읽을 수 없었거나 잘려 있었고, 다른 곳으로 옮길 수도 없었습니다. 내용이 사라지지 않도록 발견된 그대로 보관합니다. 설정을 저장하려면 이 파일을 옮기거나 삭제하십시오.
그래도 종료하시겠습니까(확인), 아니면 카메라를 연결한 채로 머무르시겠습니까(취소)?</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>임시 폴더 %1이(가) 없어서 이 도구의 두 번째 사본이 시작되지 않도록 막는 잠금 파일을 만들 수 없습니다.
폴더를 만들거나 임시 폴더를 존재하는 폴더로 설정하십시오.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>잠금 파일 %1을(를) 만들 수 없습니다: 같은 이름의 폴더 또는 파일이 아닌 다른 항목이 있습니다.
삭제하거나 이름을 바꾸십시오.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>네트워크 정보가 완전하지 않습니다</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>백업 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>백업 파일이 없습니다</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>파일 형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>시간 초과</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>업그레이드 시작 대기 중</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>전송 중...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>장치의 디스크 공간이 부족합니다</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>파일 수신 완료</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>파일 검증 성공, 업그레이드 중...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>파일 검증 실패, 재부팅 중...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>업그레이드 실패, 재부팅 중...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>ARM 업그레이드 파일을 찾을 수 없음, 재부팅 중...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>백업 시작</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>수신 시작</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>백업 성공</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>백업 실패</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>복원 중...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>복원 실패, 재부팅 중...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>복원 성공</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>업그레이드 성공</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>업그레이드 패키지를 선택하십시오</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>업그레이드 유형을 선택하십시오</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>업그레이드 파일 형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>파일을 열지 못했습니다</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>내보내기 성공</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>가져오기 성공</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>가져오기 실패</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>백업 파일 저장</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>백업 파일 선택</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>장치: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>멀티캐스트 초기화에 실패했습니다</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>멀티캐스트 그룹 가입에 실패했습니다</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>설정할 장치를 선택하십시오</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>설정 성공</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>정말 재부팅하시겠습니까?</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>재부팅</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>업그레이드 패키지 선택</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>간단히 보기</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>수동 연출로 들어갑니다. 다른 작업은 중단됩니다!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(%1대 더 응답, 목록에 없음)</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>위</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>영상 미리보기</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>연결 시간 초과</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
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
        <translation>적용</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>카메라 설치 위치</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>수동 연출</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>연출 화면</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>자동 연출</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>교사 클로즈업:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>교사 파노라마:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>학생 클로즈업:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>학생 파노라마:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>교사 IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>학생 IP</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>저부하</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>부드럽게</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>교사</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>추적</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>추적 모드</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>팔로우 모드</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>듀얼 카메라 모드</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>혼합 모드</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>판서 파노라마 모드</translation>
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
        <translation>홈</translation>
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
        <translation>줌 아웃</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>줌 인</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>전경</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>교단</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>판서 파노라마</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>학생</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>네트워크 정보 입력 오류</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>연결 시간 초과</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>카메라를 연결하십시오</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>수동 연출 상태로 전환되었습니다</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>연결 유형이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>설정으로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>정말 종료하시겠습니까?</translation>
    </message>
</context>
</TS>
