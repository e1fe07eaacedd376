<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>ホーム</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
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
        <translation>フォーム</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>設定を終了</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>ウィザード完了</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>校正開始</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>校正停止</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>自動校正中は、画面内で動く人は1人だけにしてください。そうでないとデータが異常になります。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>自動校正を開始しますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>自動校正に失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>自動校正に成功しました。</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>ウィザード設定</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2台構成: 教師機と生徒機に対応し、教師アップ、教師パノラマ、生徒アップ、生徒パノラマを含みます。</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>カメラ台数</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2台</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4台</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5台</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6台</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>設定ツールのウィザードへようこそ</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4台構成: 2台構成を基に教師パノラマカメラと生徒パノラマカメラを残し、2台のPTZカメラをそれぞれ教師アップカメラと生徒アップカメラとして使います。</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5台構成: 4台構成に板書カメラを1台追加します。</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>教師アップIP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>教師パノラマIP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>生徒アップIP</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>生徒パノラマIP</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>板書1 IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>板書2 IP</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6台構成: 5台構成に板書カメラをもう1台追加します。</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>パノラマ校正</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>校正用の十字を表示</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>追尾カメラIP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>パノラマIP</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>追尾モード</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>注意: カメラが正常に接続されていないときは既定のモードになります。接続に成功すると、カメラに設定されたモードが使われます。</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>3プリセットモード: 教師が板書エリアに入ると常に教師をアップで映します。左/中/右の板書の3つのプリセットが3つの教師アップ位置に対応します。</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>フォローモード: 教師が動いていても止まっていても、常に教師をアップで映します。</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>2眼モード: 教師が静止しているかアップ画面内で動いている間はアップを保ち、アップ画面の外や端に出ると教師パノラマに切り替えます。</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>ミックスモード: 教師が静止しているかアップ画面内で動いている間はアップを保ちます。画面内で少し動くと教師をゆっくり中央に寄せ、雲台の動きが見えます。アップ画面の外や端に出ると教師パノラマに切り替えます。</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>板書パノラマモード: 生徒が起立して生徒アップを映すとき以外は、常に黒板のパノラマを表示します。</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>3プリセットモード</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>フォローモード</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>2眼モード</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>ミックスモード</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板書パノラマモード</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>エリア設定</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
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
        <translation>中央</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>カメラ呼出し</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>自動検出追尾</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI検出</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>スナップ消去</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1：追尾エリアを選択します。マウスを追尾エリア内に置き、
フォーカスを得るとエリアの大きさを調整できます。
この項目は必須で、修正・調整のみ可能で削除はできません。</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1：スナップエリアを選択します。未描画の場合は、画像内にスナップするエリアを描画してください。
描画後に再調整する場合は、ドラッグするかアンカーポイントを選択して微調整できます。
2：スナップエリアを削除するには、右側の［スナップ消去］ボタンをクリックして適用します</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップ</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1：黒板エリアを選択します。左・中央・右をすべて描画済みの場合、フォーカスは既定で左の黒板に置かれ、
中央と右の黒板はフォーカスできず修正できません。左・
中央・右のいずれかを修正する場合は、チェックを外してから再描画するか修正・調整してください。</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>黒板</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1：マスクエリアを選択します。マスクエリア1～4をすべて描画済みの場合、
フォーカスは既定でマスクエリア1に置かれます。1～4のいずれかを修正する場合は、
チェックを外してから再描画するか修正・調整してください。</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>プリセット登録</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>アッププリセット登録</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0番：パノラマ</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1番：教壇</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2番：左黒板</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3番：右黒板</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11番：板書パノラマ</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60番：全景切出し</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>板書プリセット登録</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1番：左黒板</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>2番 : 右板書</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2番：中央黒板</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>板書側のプリセット登録は5台構成で切り替えたときだけ有効です。切替ボタンは下の青字の項目です。</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>自動板書全景</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>教壇自動</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>詳細オプション</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>見失い時</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>動作なし</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>パノラマ（プリセット0）</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>教壇（プリセット1）</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>生徒パノラマ</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>教師が教壇を降りると、アップ画面は選択に従って切り替わります。</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>板書保持時間(秒)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>保持時間は板書をアップにした後、アップを保つ時間です。</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>アップからパノラマ戻り遅延</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>複数台構成または2眼PTZカメラで、アップからパノラマ位置へ戻るまでの遅延時間。4/5台構成のみ有効です。</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>板書検出時間(秒)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>検出時間は目標を見つけてから板書をアップにするまでの遅延です。</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>複数検出時</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>現在のターゲットを追尾</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>パノラマに戻る</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>教壇に複数の目標がいるとき、アップ画面は選択に従って切り替わります。</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>板書機能</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>板書機能をオンにすると、設定した板書検出枠と対応する板書位置が有効になります。</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>高さ自動調整</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>身長自動調整は目標の高さに合わせてアップ枠の高さを自動で調整します。</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>起動時に追尾</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>カメラの起動と同時に追尾を始めます。</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ速度レベル</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>雲台の速度レベル。3プリセットモードのみ有効です。</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>追尾中はAFを無効化</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>追尾中はフォーカスを合わせません。4/5台構成のみ有効です。</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>追尾テスト</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>アッププリセット呼出し</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>板書プリセット呼出し</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>描画エリアの表示/非表示</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>追尾の停止/開始</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>パノラマの切り出しを一時停止しています</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>生徒エリア</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>生徒側エリア設定の使い方

 1.表示: チェックすると設定済みの生徒エリアとマスクエリアを表示し、外すと閉じます。

 2.生徒エリア: 生徒の起立エリアを囲む4つの緑の印を表示します。

 3.マスクエリア: 4つまで設定できます。例えばマスクエリア1は、マスクエリア1の左端をクリックし、反時計回りに隣の辺または向かいの辺までドラッグします。</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>見失い動作時間(秒)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>目標を見失ってからこの時間が過ぎると【見失い時の動作】を実行します。</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>パノラマ0（プリセット0）</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>目標を見失った後の【アップカメラ】の動作を設定します。</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>パノラマ切替</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>録画画面はまず生徒パノラマ、次に生徒アップへ切り替わります。オフにすると直接生徒アップに切り替わります。</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>アップ継続時間</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>起立した生徒をアップで映す最長時間を設定します。</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>小パノラマ</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>パノラマ0に戻る</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>複数の生徒が起立したときの追尾動作を設定します。</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>顔検出</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>カメラが顔検出で、追尾目標をアップにするかどうかを判断します。</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>プリセット呼出し</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>スイッチング方式</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>外部スイッチング：カメラ（板書カメラ、生徒カメラ、教師カメラ）が追尾状態コードをスイッチャーに送信し、スイッチャーが追尾状態を分析して映像出力を切り替えます。
例：教師静止 ff 01 00 00 00 12 は、教師が追尾エリア内で静止していることを示すだけです。スイッチャーが教師の映像に切り替える際は、板書カメラと生徒カメラの追尾状態も考慮する必要があります。

内部スイッチング：カメラ（教師カメラ）が切替コードをスイッチャーに送信し、スイッチャーは切替コードを受信するとすぐに映像出力を切り替えます。
例：生徒アップ ff 33 33 を受信すると、スイッチャーの映像出力は直ちに生徒アップに切り替わります。</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>外部スイッチング</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>教師</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>登壇</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>教師静止</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>教師移動</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>降壇</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>複数ターゲット</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>生徒起立</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>アップ完了</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>生徒着席</translation>
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
        <translation> 板書</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>動作あり</translation>
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
        <translation>内部スイッチング</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>スイッチングコード（教師カメラのみ）</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>教師パノラマ</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>教師アップ</translation>
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
        <translation>生徒アップ</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>板書</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>板書1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>板書2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>切替サーバーのアドレス</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>切替サーバーのポート</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
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
        <translation>ｼﾘｱﾙ</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>コマンド形式</translation>
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
        <translation>スイッチングコード送信方式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1回</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>3回</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>自動に切替</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>手動に切替</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>ウィザードを終了</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>ウィザード完了</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>カメラを接続してください</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>教師全景カメラを接続してください</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>生徒全景カメラを接続してください</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>パノラマ切り出しを有効にしました</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>接続タイプが一致しません</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>教師IP</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>生徒IP</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>すべての入力欄が空です！</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>ネットワーク情報の誤りが検出されました！</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>入力したIPの応答がタイムアウトしました。接続に失敗する可能性があります！</translation>
    </message>
    <message>
        <source>information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>コマンドの形式が正しくありません</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>デバイス管理</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>スイッチャー</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>設定手順</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>設定が完了しました。ホーム画面に移動しますか？</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>ウィザード設定を終了します。他の操作は中断されます！</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>入力が空です！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>接続タイムアウト</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>RTSP接続エラー</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>RTSP認証に失敗しました。Webで認証が有効になっていないか、その他の異常がないか確認してください。</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>画像に黒板やスクリーンは見つかりませんでした。領域はそのままです。</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>追尾</translation>
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
        <translation>教師</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>板書</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>スイッチャー</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>ウィザード設定</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>録画機ポート転送</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>追尾カメラIP</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>パノラマIP</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>追尾開始</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>追尾停止</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>プリセット登録</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>プリセット呼出</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
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
        <translation>ホーム</translation>
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
開
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>エリア設定</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1：追尾エリアを選択します。マウスを追尾エリア内に置き、
フォーカスを得るとエリアの大きさを調整できます。
この項目は必須で、修正・調整のみ可能で削除はできません。</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1：スナップエリアを選択します。未描画の場合は、画像内にスナップするエリアを描画してください。
描画後に再調整する場合は、ドラッグするかアンカーポイントを選択して微調整できます。
2：スナップエリアを削除するには、右側の［スナップ消去］ボタンをクリックして適用します</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップ</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1：黒板エリアを選択します。左・中央・右をすべて描画済みの場合、フォーカスは既定で左の黒板に置かれ、
中央と右の黒板はフォーカスできず修正できません。左・
中央・右のいずれかを修正する場合は、チェックを外してから再描画するか修正・調整してください。</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>黒板</translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1：マスクエリアを選択します。マスクエリア1～4をすべて描画済みの場合、
フォーカスは既定でマスクエリア1に置かれます。1～4のいずれかを修正する場合は、
チェックを外してから再描画するか修正・調整してください。</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>マスク</translation>
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
        <translation>中央</translation>
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
        <translation>なし</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>フロート</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>半透明</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>人物なし</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>AI検出</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>スナップ消去</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>自動検出追尾</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>方向キーの動作</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>PTZ操作</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>メニュー操作</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>全景</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>パラメータバックアップ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>追尾カメラ:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>パノラマ:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>見失い時</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>動作なし</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>生徒パノラマ</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>パノラマ（プリセット0）</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>教壇（プリセット1）</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>保持回数：</translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>待ち時間：</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>複数検出時</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>現在のターゲットを追尾</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>パノラマに戻る</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>PTZ速度</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>PTZ速度レベル</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>ヒント：3プリセットモードでのみ有効</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>パノラマレンズ位置校正</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>校正用の十字を表示</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自動校正</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>パノラマのフォーカス</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>手動モード</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>自動モード</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>バックラッシュ補正</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>垂直補正</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>水平補正</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>追尾設定</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>起動時に追尾</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>追尾中はAFを無効化</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>高さ自動調整</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>アップのリアルタイム追尾</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>人物追尾</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>人物追尾</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>教師の板書設定</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>板書を有効化</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>板書の顔検出を有効化</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>板書の手検出を有効化</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>検出時間：</translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>保持時間：</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>消失時間：</translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>間隔時間：</translation>
    </message>
    <message>
        <source>S</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>追尾モード</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>3プリセットモード</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>フォローモード</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>2眼モード</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>ミックスモード</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板書パノラマモード</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>教卓モード</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0番：パノラマ</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1番：教壇</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2番：左黒板</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3番：右黒板</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60番：全景切出し</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>自動板書全景</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>教壇自動</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>感度：</translation>
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
        <translation>アップ距離：</translation>
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
        <translation>パノラマ距離：</translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>パン補正：</translation>
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
        <translation>チルト補正：</translation>
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
        <translation>教卓モード設定</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>追尾開始位置</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>現在位置</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>プリセット1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>オートズーム</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>オートチルト</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>ターゲット保持時間</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>人物サイズ</translation>
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
        <translation>アップ</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>スイッチャー設定</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>スイッチャー連携</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>IPアドレス</translation>
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
        <translation>教壇不在時間</translation>
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
        <translation>生徒エリア</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>座席エリア</translation>
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
        <translation>校正エリア</translation>
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
        <translation>アップサイズ：</translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>カメラの高さ：</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>メニューモード</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>パノラマ切替</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>顔検出</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>パノラマの切り出しを一時停止しています</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>パノラマ設定</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>PTZパノラマ検出</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>パノラマ0（プリセット0）</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>小パノラマ</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>パノラマ0に戻る</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>アップ継続時間</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>継続時間(秒)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>アップ→パノラマ遅延</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>パノラマ遅延</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>PTZモード</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>切り出し</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>板書0登録（0番）</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>板書0呼出（0番）</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>板書1登録（1番）</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>板書1呼出（1番）</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>パノラマ登録（2番）</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>パノラマ呼出（2番）</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>板書2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>板書IP</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>消失タイムアウト：</translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>板書カメラ</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>有効2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>板書：</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>検出：</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>複数板書時の動作</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>板書0（プリセット0）</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>板書1（プリセット1）</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>板書消失時の動作</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>板書消失遅延</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>教師IP</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>生徒IP</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>UARTを使用</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>通信速度</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
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
        <translation>ｼﾘｱﾙ</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>コマンド形式</translation>
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
        <translation>スイッチャーサーバー</translation>
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
        <translation>追尾切替</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>自動に切替</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>手動に切替</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>スイッチングコード送信方式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1回</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>3回</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>スイッチング方式</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>外部スイッチング</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>内部スイッチング</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>登壇</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>教師静止</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>教師移動</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>降壇</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>複数ターゲット</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>生徒起立</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>アップ完了</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>生徒着席</translation>
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
        <translation> 板書</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>動作あり</translation>
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
        <translation>スイッチングコード（教師カメラのみ）</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>教師パノラマ</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>教師アップ</translation>
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
        <translation>生徒アップ</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>板書</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>板書1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>板書2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>最短切替時間</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>（生徒パノラマを除く）</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>切替テスト</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>手動スイッチング</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>スイッチング間隔設定</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>保持間隔</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>移動間隔</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>複数検出間隔</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>外部スイッチング：カメラ（板書カメラ、生徒カメラ、教師カメラ）が追尾状態コードをスイッチャーに送信し、スイッチャーが追尾状態を分析して映像出力を切り替えます。
例：教師静止 ff 01 00 00 00 12 は、教師が追尾エリア内で静止していることを示すだけです。スイッチャーが教師の映像に切り替える際は、板書カメラと生徒カメラの追尾状態も考慮する必要があります。

内部スイッチング：カメラ（教師カメラ）が切替コードをスイッチャーに送信し、スイッチャーは切替コードを受信するとすぐに映像出力を切り替えます。
例：生徒アップ ff 33 33 を受信すると、スイッチャーの映像出力は直ちに生徒アップに切り替わります。</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>デバイス：</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>ホストNIC</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>サブネット</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>GW</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>稼働時間</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>デバイスID</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>優先DNS</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>照会</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>ファイル読込</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>未接続</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>ファイルパス</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>保存ファイル</translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>保存状態</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
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
        <translation>決定</translation>
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
        <translation>タイプ1</translation>
    </message>
    <message>
        <source>TYPE2</source>
        <translation>タイプ2</translation>
    </message>
    <message>
        <source>Port map</source>
        <translation>ポート転送</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>録画機IP</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>IP/ポート設定</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>教師カメラ</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>生徒カメラ</translation>
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
        <translation>通信ポート</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>教師転送ポート</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>生徒転送ポート</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSPポート</translation>
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
        <translation>VISCAポート</translation>
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
        <translation>UDPポート</translation>
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
        <translation>TCPポート</translation>
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
        <translation>バックアップポート</translation>
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
        <translation>検索ポート</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>詳細表示</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>カメラ台数</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2台</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4台</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5台</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6台</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>注：①カメラ台数に応じて、対応しない一部の機能は既定で無効になります。②板書カメラは5台/6台構成でのみ表示されます。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
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
        <translation>追尾設定の切替</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>追尾設定1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>追尾設定2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>デコーダー</translation>
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
        <translation>入力</translation>
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
        <translation>戻る</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1番：左黒板</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2番：中央黒板</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11番：板書パノラマ</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
閉
じ
る
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>適用(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>板書1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>有効1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>あり</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Corvane について</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>ポートを変更すると、他の操作は中断されます。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>ユーザー名とパスワードを空にすることはできません。</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>ネットワーク情報の入力に誤りがあります</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>ポートの入力に誤りがあります：「%1」は 1～65535 のポートではありません</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>ポート転送設定を %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>ポート転送スクリプトを起動しました</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>ポート転送スクリプトが見つかりません：%1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>ポート転送スクリプトを起動できませんでした</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>カメラを接続してください</translation>
    </message>
    <message>
        <source>information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>コマンド形式エラー</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>パノラマ切り出しを有効にしました</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>接続タイプが一致しません</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>接続がタイムアウトしました</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>接続に失敗しました</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>教師全景カメラを接続してください</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>生徒全景カメラを接続してください</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>設定を取得できませんでした。再接続するか、［取得］ボタンを押して設定を取得してください。</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>追尾設定を取得できませんでした。切断してから再接続してください</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>教師の設定取得に失敗しました</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>何も実行されません！</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>教師の設定を取得しました</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>教師の設定適用に失敗しました</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>教師の設定を適用しました</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>生徒の設定取得に失敗しました</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>生徒の設定を取得しました</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>生徒の設定適用に失敗しました</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>生徒の設定を適用しました</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>ウィザード設定に入ります。他の操作は中断されます！</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>本当に終了しますか？</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>設定を %1 に書き込めませんでした。以前のファイルは残りますが、それ以降の変更は含まれません。
それでも終了しますか (OK)、カメラを接続したまま残りますか (Cancel)？</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>ディレクターのポートとアドレスは空にできません！</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>追跡設定を更新できません。追跡を停止しますか？</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>ロックファイル %1 を作成できません：%2。
一時フォルダーが存在し、書き込み可能で、空き容量があることを確認してください。</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>%1 に検出モデルが見つかりません。AI 検出を使うには、モデルをそこにコピーしてプログラムを再起動してください。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>設定ファイル %1 を読み込めません。%2 に移動し、既定の設定で起動します。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>設定ファイル %1 を読み込めず、移動もできません：%2。
ファイルはそのまま残し、既定の設定で起動します。このファイルを削除するまで設定は保存できません。</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>換向補正を中止しました：クローズアップカメラの使える画像が撮れませんでした。カメラには何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>換向補正では画像が動いたか判断できませんでした：クローズアップカメラの画像の細部が少なすぎます。カメラには何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>自動校正に失敗しました</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>検出モデル %1 を読み込めませんでした: %2。AI 検出を使うには、モデルを置き換えてプログラムを再起動してください。</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>クラスリスト %1 を読み込めませんでした: %2。AI 検出を使うには、リストを置き換えてプログラムを再起動してください。</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>検出モデル %1 を実行できませんでした: %2。領域はそのままです。</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>検出モデル %1 はクラスリスト %2 に合いません: %3。領域はそのままです。</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>設定ファイル %1 は途中で切れています：保存のたびに書き込まれるキーが欠けています（全 %2 個：%3）。ファイルは %4 に移動し、既定の設定で起動します。</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>設定ファイル %1 は途中で切れています：保存のたびに書き込まれるキーが欠けています（全 %2 個：%3）。移動できません：%4。
ファイルはそのまま残し、既定の設定で起動します。このファイルを削除するまで設定は保存できません。</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>設定は書き込まれていません：%1 は起動時に読み込めなかったか途中で切れており、移動もできませんでした。内容が失われないよう、見つかったときのまま残しています。設定を保存するには、このファイルを移動または削除してください。
それでも終了しますか（OK）、それともカメラを接続したまま留まりますか（キャンセル）？</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>一時フォルダー %1 が存在しないため、このツールの2つ目のコピーの起動を防ぐロックファイルを作成できません。
フォルダーを作成するか、一時フォルダーを存在するフォルダーに設定してください。</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>ロックファイル %1 を作成できません：同じ名前のフォルダーまたはファイル以外のものがあります。
削除するか名前を変更してください。</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>ネットワーク情報が不完全です</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>バックアップファイルを選択してください</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>バックアップファイルが存在しません</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>ファイルの種類が一致しません</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>接続中...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>タイムアウト</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>アップグレード開始待ち</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>送信中...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>本体のディスク容量が不足しています</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>ファイル受信完了</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>ファイル検証成功、アップグレード中...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>ファイル検証失敗、再起動中...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>アップグレード失敗、再起動中...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>ARMアップグレードファイルが見つかりません、再起動中...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>バックアップ開始</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>受信開始</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>バックアップ成功</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>バックアップ失敗</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>復元中...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>復元失敗、再起動中...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>復元成功</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>アップグレード成功</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>アップグレードパッケージを選択してください</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>アップグレードの種類を選択してください</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>アップグレードファイルの種類が一致しません</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>エクスポート成功</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>エクスポート失敗</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>インポート成功</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>バックアップファイルを保存</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>バックアップファイルを選択</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>デバイス：</translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>マルチキャストの初期化に失敗しました</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>マルチキャストグループへの参加に失敗しました</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>設定する機器を選択してください</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>本当に再起動しますか？</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>アップグレードパッケージを選択</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>詳細を隠す</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>手動スイッチングに入ります。他の操作は中断されます！</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>（ほかに %1 台が応答、一覧には未表示）</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
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
        <translation>決定</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>映像プレビュー</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>接続がタイムアウトしました</translation>
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
        <translation>キャンセル(&amp;C)</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
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
        <translation>適用</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>カメラ設置位置</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>手動スイッチング</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>スイッチング映像</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>自動スイッチング</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>教師アップ：</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>教師パノラマ：</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>生徒アップ：</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>生徒パノラマ：</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>教師IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>生徒IP</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>低負荷</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>滑らか</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>教師</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>追尾</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>追尾モード</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>フォローモード</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>2眼モード</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>ミックスモード</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>板書パノラマモード</translation>
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
        <translation>ホーム</translation>
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
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中央</translation>
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
        <translation>教壇</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>板書パノラマ</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>ネットワーク情報の入力に誤りがあります</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>接続がタイムアウトしました</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>カメラを接続してください</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>手動スイッチングに切り替えました</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>接続タイプが一致しません</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>設定に戻りますか？</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>本当に終了しますか？</translation>
    </message>
</context>
</TS>
