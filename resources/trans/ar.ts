<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>الأصل</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
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
        <translation>نموذج</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>الخروج من الإعداد</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>إنهاء المعالج</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>المقرّبة</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>البانوراما</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>إيقاف المعايرة</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>أثناء المعايرة التلقائية يجب ألا يتحرك في الصورة سوى شخص واحد، وإلا ستكون البيانات غير طبيعية.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>هل تريد بدء المعايرة التلقائية؟</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>فشلت المعايرة التلقائية. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>نجحت المعايرة التلقائية.</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>معالج الإعداد</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>إعدادات الكاميرات</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>كاميرتان: تدعمان كاميرا المعلم وكاميرا الطلاب، وتشملان لقطة المعلم القريبة وبانوراما المعلم ولقطة الطلاب القريبة وبانوراما الطلاب.</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>اختيار الكاميرات</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>كاميرتان</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 كاميرات</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 كاميرات</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 كاميرات</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>مرحبًا بك في معالج أداة الإعداد</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4 كاميرات: على أساس الكاميرتين، تبقى كاميرا بانوراما المعلم وكاميرا بانوراما الطلاب، وتُستخدم كاميرتا PTZ كاميرا لقطة قريبة للمعلم وأخرى للطلاب.</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5 كاميرات: على أساس 4 كاميرات تُضاف كاميرا للسبورة.</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>IP لقطة المعلم القريبة</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>IP بانوراما المعلم</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>IP لقطة الطلاب القريبة</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>IP بانوراما الطلاب</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>IP السبورة 1</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>IP السبورة 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6 كاميرات: على أساس 5 كاميرات تُضاف كاميرا أخرى للسبورة.</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>معايرة البانوراما</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>إظهار صليب المعايرة</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة ضبط</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>معايرة</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP المقرّبة</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP البانوراما</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>وضع التتبع</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>ملاحظة: عندما لا تكون الكاميرا متصلة كما يجب يكون الوضع المعروض هو الافتراضي، وبعد نجاح الاتصال يُستخدم الوضع المضبوط في الكاميرا.</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>وضع المواضع الثلاثة: عند دخول المعلم منطقة السبورة تُعرض لقطة قريبة له طوال الوقت، والمواضع الثلاثة للسبورة يسارًا ووسطًا ويمينًا هي مواضع اللقطة القريبة الثلاثة.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>وضع المتابعة: سواء تحرك المعلم أو بقي ثابتًا تُعرض لقطة قريبة له طوال الوقت.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>وضع الكاميرتين: يبقى المعلم في لقطة قريبة ما دام ثابتًا أو يتحرك داخلها، وعند خروجه منها أو بلوغه حافتها يُبدَّل إلى بانوراما المعلم.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>الوضع المختلط: يبقى المعلم في لقطة قريبة ما دام ثابتًا أو يتحرك داخلها، وعند تحركه قليلًا يُوسَّط ببطء وتظهر حركة الرأس، وعند خروجه منها أو بلوغه حافتها يُبدَّل إلى بانوراما المعلم.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>وضع بانوراما السبورة: تُعرض بانوراما السبورة في كل الحالات إلا عند وقوف طالب وعرض لقطته القريبة.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>وضع المواضع الثلاثة</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>وضع المتابعة</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>وضع الكاميرتين</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>الوضع المختلط</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>وضع بانوراما السبورة</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>إعدادات المناطق</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
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
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>استدعاء الكاميرا</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>كشف منطقة التتبع تلقائيًا</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>كشف AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>مسح اللقطة</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: حدد منطقة التتبع، وضع مؤشر الفأرة داخلها، 
ويمكن تعديل حجمها بعد أن تصبح محددة. 
هذا العنصر إلزامي، ويمكن تعديله وضبطه فقط دون حذفه؛</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>التتبع</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: حدد منطقة اللقطة، وإذا لم تكن مرسومة فارسم في الصورة المنطقة المطلوب التقاطها، 
وإذا احتجت إلى ضبطها بعد الرسم فاسحبها أو حدد نقطة الارتكاز لضبطها بدقة؛
2: لإزالة منطقة اللقطة، انقر الزر [مسح اللقطة] على اليمين ثم طبّق</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>اللقطة</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: حدد منطقة السبورة، وإذا كانت اليسرى والوسطى واليمنى مرسومة فسيبقى التحديد افتراضيًا على السبورة اليسرى، 
ولا يمكن تحديد السبورتين الوسطى واليمنى أو تعديلهما. إذا احتجت إلى تعديل إحدى السبورات اليسرى 
أو الوسطى أو اليمنى، فألغِ تحديدها ثم أعد رسمها أو عدّلها واضبطها؛</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>السبورة  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: حدد منطقة الحجب، وإذا كانت مناطق الحجب 1234 مرسومة 
فسيبقى التحديد افتراضيًا على منطقة الحجب 1، وإذا احتجت إلى تعديل إحدى المناطق 1234 
فألغِ تحديدها ثم أعد رسمها أو عدّل ضبطها؛</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>حجب</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>حفظ الموضع</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>حفظ مواضع اللقطة القريبة</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: البانوراما</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: المنصة</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: سبورة يسرى</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: سبورة يمنى</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: السبورة كاملة</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: قص البانوراما</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>حفظ مواضع السبورة</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: سبورة يسرى</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>رقم 2 : السبورة اليمنى</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: سبورة وسطى</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>لا تسري مواضع السبورة إلا عند اختيارها في تركيب الكاميرات الخمس، وزر الاختيار هو العنصر المكتوب بالأزرق أدناه.</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>بانوراما سبورة آلية</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>المنصة آليًا</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>خيارات متقدمة</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>عند فقدان الهدف</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>لا إجراء</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>البانوراما (موضع 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>المنصة (موضع 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>بانوراما الطلاب</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>عندما ينزل المعلم عن المنصة تتبدل اللقطة القريبة حسب الخيار.</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>مدة بقاء السبورة (ث)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>مدة البقاء هي مدة الإبقاء على اللقطة القريبة بعد تصوير السبورة عن قرب.</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>تأخير عودة اللقطة إلى البانوراما</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>مدة التأخير قبل عودة اللقطة القريبة إلى موضع البانوراما في تركيب الكاميرات المتعددة أو كاميرا PTZ الثنائية، ولا تسري إلا مع أربع/خمس كاميرات.</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>مدة كشف السبورة (ث)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>مدة الكشف هي التأخير قبل تصوير السبورة عن قرب بعد رصد الهدف.</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>أهداف متعددة</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>تتبع الهدف الحالي</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>العودة إلى البانوراما</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>عند وجود عدة أهداف على المنصة تتبدل اللقطة القريبة حسب الخيار.</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>وظيفة السبورة</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>بعد تفعيل وظيفة السبورة تسري مناطق كشف السبورة المضبوطة ومواضعها المقابلة.</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>التكيف مع الارتفاع</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>تكييف الطول يضبط ارتفاع إطار اللقطة القريبة تلقائيًا حسب طول الهدف.</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>التتبع عند التشغيل</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>يبدأ التتبع عند تشغيل الكاميرا.</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>مستوى سرعة PTZ</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>مستوى سرعة PTZ، ولا يسري إلا في وضع الإعدادات الثلاثة.</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>تعطيل AF أثناء التتبع</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>لا ضبط للتركيز أثناء التتبع، ولا يسري إلا مع أربع/خمس كاميرات.</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>اختبار التتبع</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>استدعاء مواضع اللقطة القريبة</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>استدعاء مواضع السبورة</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>إظهار/إخفاء المناطق المرسومة</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>إيقاف/تشغيل التتبع</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>تم إيقاف قص البانوراما مؤقتًا</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>منطقة الطلاب</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>طريقة ضبط مناطق الطلاب

 1. إظهار: حدد الخانة لإظهار منطقة الطلاب ومناطق الحجب المضبوطة، وأزل التحديد لإخفائها.

 2. منطقة الطلاب: تعرض أربع علامات خضراء تحيط بمنطقة وقوف الطلاب.

 3. مناطق الحجب: يمكن ضبط أربع مناطق؛ فمثلًا للمنطقة 1 انقر حدها الأيسر ثم اسحب عكس اتجاه عقارب الساعة إلى الحافة المجاورة أو المقابلة.</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>مهلة إجراء الفقدان (ث)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>بعد فقدان الهدف ومرور هذه المهلة يُنفَّذ [إجراء فقدان الهدف].</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>البانوراما 0 (موضع 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>يضبط ما تفعله [كاميرا اللقطة القريبة] بعد فقدان الهدف.</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>التبديل إلى البانوراما</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>تتحول صورة التسجيل أولًا إلى بانوراما الطلاب ثم إلى لقطتهم القريبة، وعند الإيقاف تتحول مباشرة إلى اللقطة القريبة.</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>مدة اللقطة القريبة</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>يضبط أطول مدة للقطة القريبة للطالب الواقف.</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>بانوراما صغيرة</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>العودة إلى البانوراما 0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>يضبط إجراء التتبع عند وقوف عدة طلاب.</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>كشف الوجه</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>تستخدم الكاميرا كشف الوجه لتقرر هل يحتاج الهدف المتتبَّع إلى لقطة قريبة.</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>استدعاء المواضع</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>استراتيجية الإخراج</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>الإخراج الخارجي: ترسل الكاميرات (كاميرا السبورة وكاميرا الطلاب وكاميرا المعلم) رموز حالة التتبع إلى جهاز الإخراج، الذي يحلل حالة التتبع ليبدّل مخرج الفيديو.
مثال: المعلم ثابت ff 01 00 00 00 12 يعني فقط أن معلمًا يقف ثابتًا في منطقة التتبع؛ وعند التبديل وفق تتبع المعلم يجب أن يراعي جهاز الإخراج حالة تتبع كاميرا السبورة وكاميرا الطلاب أيضًا.

الإخراج الداخلي: ترسل الكاميرا (كاميرا المعلم) رموز تبديل التتبع إلى جهاز الإخراج، الذي يبدّل مخرج الفيديو فور استلام رمز التبديل.
مثال: مقرّبة الطلاب ff 33 33 تبدّل مخرج الفيديو مباشرة إلى اللقطة القريبة للطلاب.</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>إخراج خارجي</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>المعلم</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>على المنصة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>المعلم ثابت</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>المعلم يتحرك</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>خارج المنصة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>أهداف متعددة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>الطلاب</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>طالب وقف</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>المقرّبة في موضعها</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>طالب جلس</translation>
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
        <translation> السبورة</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>يوجد نشاط</translation>
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
        <translation>إخراج داخلي</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>رموز الإخراج (كاميرا المعلم فقط)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>بانوراما المعلم</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>مقرّبة المعلم</translation>
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
        <translation>مقرّبة الطلاب</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>السبورة</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>السبورة 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>السبورة 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>عنوان خادم الإخراج</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>منفذ خادم الإخراج</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>البروتوكول</translation>
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
        <translation>تسلسلي</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>نوع الأمر</translation>
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
        <translation>وضع إرسال رموز الإخراج</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>ثلاث مرات</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>باستمرار</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>التبديل إلى تلقائي</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>التبديل إلى يدوي</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>الخروج من المعالج</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>إنهاء المعالج</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>يرجى توصيل الكاميرا</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>يرجى توصيل كاميرا بانوراما المعلم</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>يرجى توصيل كاميرا بانوراما الطلاب</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>تم تفعيل قص البانوراما</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>أنواع الاتصال غير متطابقة</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>IP المعلم</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>IP الطالب</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>تم اكتشاف أن جميع حقول الإدخال فارغة!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>تم اكتشاف خطأ في معلومات الشبكة!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>انتهت مهلة عنوان IP المُدخل، وقد يفشل الاتصال!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>خطأ في تنسيق الأمر</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>إدارة الأجهزة</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>المخرج</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>خطوات الإعداد</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>اكتمل الإعداد. هل تريد الانتقال إلى الصفحة الرئيسية الآن؟</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>الخروج من إعداد المعالج، سيتم إيقاف العمليات الأخرى!</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>الإدخال فارغ!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>انتهت مهلة الاتصال</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>خطأ في اتصال RTSP</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>فشلت مصادقة RTSP. يرجى التحقق مما إذا كانت المصادقة مفعّلة على الويب أو من وجود أعطال أخرى!</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>لم يُعثر على سبورة أو شاشة في الصورة. تبقى المناطق كما كانت.</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>المقرّبة</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>البانوراما</translation>
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
        <translation>المعلم</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>الطلاب</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>السبورة</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>الإخراج</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>ترقية</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>معالج الإعداد</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>تعيين منافذ المسجل</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP المقرّبة</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP البانوراما</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>بدء التتبع</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>إيقاف التتبع</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>حفظ الموضع</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>استدعاء الموضع</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
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
        <translation>الأصل</translation>
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
ف
ت
ح
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>إعدادات المناطق</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: حدد منطقة التتبع، وضع مؤشر الفأرة داخلها، 
ويمكن تعديل حجمها بعد أن تصبح محددة. 
هذا العنصر إلزامي، ويمكن تعديله وضبطه فقط دون حذفه؛</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>التتبع</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: حدد منطقة اللقطة، وإذا لم تكن مرسومة فارسم في الصورة المنطقة المطلوب التقاطها، 
وإذا احتجت إلى ضبطها بعد الرسم فاسحبها أو حدد نقطة الارتكاز لضبطها بدقة؛
2: لإزالة منطقة اللقطة، انقر الزر [مسح اللقطة] على اليمين ثم طبّق</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>اللقطة</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: حدد منطقة السبورة، وإذا كانت اليسرى والوسطى واليمنى مرسومة فسيبقى التحديد افتراضيًا على السبورة اليسرى، 
ولا يمكن تحديد السبورتين الوسطى واليمنى أو تعديلهما. إذا احتجت إلى تعديل إحدى السبورات اليسرى 
أو الوسطى أو اليمنى، فألغِ تحديدها ثم أعد رسمها أو عدّلها واضبطها؛</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>السبورة  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: حدد منطقة الحجب، وإذا كانت مناطق الحجب 1234 مرسومة 
فسيبقى التحديد افتراضيًا على منطقة الحجب 1، وإذا احتجت إلى تعديل إحدى المناطق 1234 
فألغِ تحديدها ثم أعد رسمها أو عدّل ضبطها؛</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>حجب</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>وسط</translation>
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
        <translation>بلا</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>عائم</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>ألفا</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>بدون أشخاص</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>كشف AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>مسح اللقطة</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>كشف منطقة التتبع تلقائيًا</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>وظيفة مفاتيح التنقل</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>وضع PTZ</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>وضع القائمة</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>المقرّبة</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>البانوراما</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>نسخ المعلمات احتياطيًا</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>معلومات الإصدار</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>المقرّبة:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>البانوراما:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>عند فقدان الهدف</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>لا إجراء</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>بانوراما الطلاب</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>البانوراما (موضع 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>المنصة (موضع 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>مرات الانتظار: </translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>المهلة: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>أهداف متعددة</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>تتبع الهدف الحالي</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>العودة إلى البانوراما</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>سرعة PTZ</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>مستوى سرعة PTZ</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>ملاحظة: صالح في وضع المواضع الثلاثة فقط</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>معايرة موضع العدسة</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>إظهار صليب المعايرة</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة ضبط</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>معايرة</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>معايرة تلقائية</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>وضع تركيز البانوراما</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>وضع يدوي</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>وضع تلقائي</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>تعويض الارتداد</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>تعويض عمودي</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>تعويض أفقي</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>إعدادات التتبع</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>التتبع عند التشغيل</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>تعطيل AF أثناء التتبع</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>التكيف مع الارتفاع</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>تتبع فوري للمقرّبة</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>تتبع الشخص</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>تتبع الشخص</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>سبورة المعلم</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>تفعيل السبورة</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>كشف التوجه إلى السبورة</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>كشف اليد على السبورة</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>وقت الكشف: </translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>وقت الثبات: </translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>وقت الفقد: </translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>وقت الفاصل: </translation>
    </message>
    <message>
        <source>S</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>وضع التتبع</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>وضع المواضع الثلاثة</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>وضع المتابعة</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>وضع الكاميرتين</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>الوضع المختلط</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>وضع بانوراما السبورة</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>وضع المنبر</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: البانوراما</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: المنصة</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: سبورة يسرى</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: سبورة يمنى</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: قص البانوراما</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>المواضع</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>بانوراما سبورة آلية</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>المنصة آليًا</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>الإعدادات الأساسية</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>الحساسية: </translation>
    </message>
    <message>
        <source>L</source>
        <translation>−</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>مسافة المقرّبة: </translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>M</source>
        <translation>م</translation>
    </message>
    <message>
        <source>Pano Distance: </source>
        <translation>مسافة البانوراما: </translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>إزاحة أفقية: </translation>
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
        <translation>إزاحة عمودية: </translation>
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
        <translation>إعدادات وضع المنبر</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>موضع بدء التتبع</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>الموضع الحالي</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>الموضع 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>تكبير تلقائي</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>إمالة تلقائية</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>مدة الاحتفاظ بالهدف</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>حجم الشخص</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>الجسم كاملًا</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>نصف الجسم</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>لقطة قريبة</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>خادم الإخراج</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>تشغيل خادم الإخراج</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>عنوان IP </translation>
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
        <translation>مدة الابتعاد عن المنصة</translation>
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
        <translation>منطقة الطلاب</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>منطقة الجلوس</translation>
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
        <translation>منطقة المعايرة</translation>
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
        <translation>حجم المقرّبة: </translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>ارتفاع الكاميرا: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>وضع القائمة</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>التبديل إلى البانوراما</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>كشف الوجه</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>تم إيقاف قص البانوراما مؤقتًا</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>إعداد البانوراما</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>كشف بانوراما PTZ</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>البانوراما 0 (موضع 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>بانوراما صغيرة</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>العودة إلى البانوراما 0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>مدة اللقطة القريبة</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>المدة (ث)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>التأخير قبل البانوراما</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>تأخير البانوراما</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>وضع PTZ</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>اقتطاع</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>حفظ السبورة 0 (موضع 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>استدعاء السبورة 0 (موضع 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>حفظ السبورة 1 (موضع 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>استدعاء السبورة 1 (موضع 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>حفظ البانوراما (موضع 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>استدعاء البانوراما (موضع 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>السبورة 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>IP السبورة</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>مهلة الفقد: </translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>تفعيل السبورة</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>تفعيل 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>السبورة:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>الكشف:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>سبورات متعددة</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>السبورة 0 (موضع 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>السبورة 1 (موضع 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>عند فقدان السبورة</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>تأخير فقد السبورة</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>إعدادات الاتصال</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP المعلم</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP الطلاب</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>استخدام UART</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>الباود</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>البروتوكول</translation>
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
        <translation>تسلسلي</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>نوع الأمر</translation>
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
        <translation>خادم الإخراج</translation>
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
        <translation>تبديل التتبع</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>التبديل إلى تلقائي</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>التبديل إلى يدوي</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>وضع إرسال رموز الإخراج</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>مرة واحدة</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>ثلاث مرات</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>باستمرار</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>استراتيجية الإخراج</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>إخراج خارجي</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>إخراج داخلي</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>على المنصة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>المعلم ثابت</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>المعلم يتحرك</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>خارج المنصة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>أهداف متعددة</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>طالب وقف</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>المقرّبة في موضعها</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>طالب جلس</translation>
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
        <translation> السبورة</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>يوجد نشاط</translation>
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
        <translation>رموز الإخراج (كاميرا المعلم فقط)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>بانوراما المعلم</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>مقرّبة المعلم</translation>
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
        <translation>مقرّبة الطلاب</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>السبورة</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>السبورة 1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>السبورة 2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>أدنى زمن للتبديل</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(باستثناء بانوراما الطلاب)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>اختبار الإخراج</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>إخراج يدوي</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>فواصل الإخراج</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>فاصل الثبات</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>فاصل الحركة</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>فاصل التعدد</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>الإخراج الخارجي: ترسل الكاميرات (كاميرا السبورة وكاميرا الطلاب وكاميرا المعلم) رموز حالة التتبع إلى جهاز الإخراج، الذي يحلل حالة التتبع ليبدّل مخرج الفيديو.
مثال: المعلم ثابت ff 01 00 00 00 12 يعني فقط أن معلمًا يقف ثابتًا في منطقة التتبع؛ وعند التبديل وفق تتبع المعلم يجب أن يراعي جهاز الإخراج حالة تتبع كاميرا السبورة وكاميرا الطلاب أيضًا.

الإخراج الداخلي: ترسل الكاميرا (كاميرا المعلم) رموز تبديل التتبع إلى جهاز الإخراج، الذي يبدّل مخرج الفيديو فور استلام رمز التبديل.
مثال: مقرّبة الطلاب ff 33 33 تبدّل مخرج الفيديو مباشرة إلى اللقطة القريبة للطلاب.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>الأجهزة:</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>شبكة المضيف</translation>
    </message>
    <message>
        <source>No</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>القناع</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>البوابة</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>مدة التشغيل</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>طراز الجهاز</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>عنوان MAC</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>معرّف الجهاز</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>DNS الأول</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>استعلام</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>تحميل ملف</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>غير متصل</translation>
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
        <translation>الإعداد</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
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
        <translation>تعيين</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>نسخ احتياطي</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>مسار الملف </translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>ملف النسخة </translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>حالة النسخ </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>أسفل</translation>
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
        <translation>تعيين المنافذ</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>IP مضيف المسجل</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>إعدادات IP والمنافذ</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>جهاز المعلم</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>جهاز الطلاب</translation>
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
        <translation>منفذ الاتصال</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>منفذ المعلم المعيّن</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>منفذ الطلاب المعيّن</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>منفذ RTSP</translation>
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
        <translation>منفذ VISCA</translation>
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
        <translation>منفذ UDP</translation>
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
        <translation>منفذ TCP</translation>
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
        <translation>منفذ النسخ الاحتياطي</translation>
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
        <translation>منفذ البحث</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>عرض المزيد</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>اختيار الكاميرات</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>كاميرتان</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 كاميرات</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 كاميرات</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 كاميرات</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>ملاحظة: ① بحسب عدد الكاميرات، تُعطَّل افتراضيًا الوظائف غير المتوافقة معه؛ ② لا تظهر علامة تبويب السبورة إلا مع خمس أو ست كاميرات؛</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
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
        <translation>تبديل إعداد التتبع</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>إعداد التتبع 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>إعداد التتبع 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>مفكك الترميز</translation>
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
        <translation>إدخال</translation>
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
        <translation>رجوع</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: سبورة يسرى</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: سبورة وسطى</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: السبورة كاملة</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
ط
ي
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>تطبيق(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>السبورة 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>تفعيل 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>موجود</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>حول Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>تعديل المنافذ سيقطع العمليات الأخرى!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>لا يمكن ترك اسم المستخدم وكلمة المرور فارغين!</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>خطأ في إدخال معلومات الشبكة</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>خطأ في إدخال المنفذ: &quot;%1&quot; ليس منفذًا بين 1 و 65535</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>تعذّر حفظ إعدادات إعادة توجيه المنافذ في %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>تم تشغيل برنامج إعادة توجيه المنافذ بنجاح</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>لم يتم العثور على برنامج إعادة توجيه المنافذ: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>تعذّر تشغيل برنامج إعادة توجيه المنافذ</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>يرجى توصيل الكاميرا</translation>
    </message>
    <message>
        <source>information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>خطأ في تنسيق الأمر</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>تم تفعيل قص البانوراما</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>أنواع الاتصال غير متطابقة</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>انتهت مهلة الاتصال</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>يرجى توصيل كاميرا بانوراما المعلم</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>يرجى توصيل كاميرا بانوراما الطلاب</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>تعذّر الحصول على الإعدادات، يرجى إعادة الاتصال أو النقر على زر &quot;قراءة&quot; للحصول عليها!</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>تعذّر الحصول على إعدادات التتبع، يرجى قطع الاتصال ثم إعادة الاتصال</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>فشلت قراءة إعدادات المعلم</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>لن يتم تنفيذ أي شيء!</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>تمت قراءة إعدادات المعلم بنجاح</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>فشل تطبيق إعدادات المعلم</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>تم تطبيق إعدادات المعلم بنجاح</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>فشلت قراءة إعدادات الطلاب</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>تمت قراءة إعدادات الطلاب بنجاح</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>فشل تطبيق إعدادات الطلاب</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>تم تطبيق إعدادات الطلاب بنجاح</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>الدخول إلى إعداد المعالج، ستتوقف العمليات الأخرى!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>هل تريد الخروج حقًا؟</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>تعذرت كتابة الإعدادات إلى %1. تم الاحتفاظ بالملف السابق دون التغييرات التي أُجريت بعده.
الخروج على أي حال (OK) أم البقاء مع بقاء الكاميرات متصلة (Cancel)؟</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>لا يمكن ترك منفذ وعنوان المخرج فارغين!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>تعذر تحديث إعدادات التتبع، هل تريد إيقاف التتبع؟</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>تعذر إنشاء ملف القفل %1: %2.
يجب أن يكون المجلد المؤقت موجودًا وقابلًا للكتابة وبه مساحة فارغة.</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>لم يُعثر على نموذج الكشف في %1. انسخ النموذج إلى هناك وأعد تشغيل البرنامج لاستخدام الكشف بالذكاء الاصطناعي.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>تعذرت قراءة ملف الإعدادات %1. نُقل إلى %2، وتبدأ الأداة بالإعدادات الافتراضية.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>تعذرت قراءة ملف الإعدادات %1 وتعذر نقله جانبًا: %2.
يبقى الملف كما هو، وتبدأ الأداة بالإعدادات الافتراضية، ولا يمكن حفظ الإعدادات حتى يُحذف.</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>توقف تعويض الانعكاس: لم تُلتقط صورة صالحة من كاميرا اللقطة القريبة. لم يُكتب شيء إلى الكاميرا.</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>تعذر على تعويض الانعكاس معرفة ما إذا كانت الصورة قد تحركت: صورة كاميرا اللقطة القريبة قليلة التفاصيل. لم يُكتب شيء إلى الكاميرا.</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>فشلت المعايرة التلقائية</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>تعذّر تحميل نموذج الكشف %1: %2. استبدل النموذج وأعد تشغيل البرنامج لاستخدام الكشف بالذكاء الاصطناعي.</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>تعذّرت قراءة قائمة الفئات %1: %2. استبدل القائمة وأعد تشغيل البرنامج لاستخدام الكشف بالذكاء الاصطناعي.</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>تعذّر تشغيل نموذج الكشف %1: %2. بقيت المناطق كما كانت.</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>نموذج الكشف %1 لا يتوافق مع قائمة الفئات %2: %3. بقيت المناطق كما كانت.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>ملف الإعدادات %1 مقطوع: تنقصه مفاتيح يكتبها كل حفظ (%2 في المجموع: %3). نُقل إلى %4، وتبدأ الأداة بالإعدادات الافتراضية.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>ملف الإعدادات %1 مقطوع: تنقصه مفاتيح يكتبها كل حفظ (%2 في المجموع: %3). لا يمكن نقله جانبًا: %4.
يُحتفظ به كما هو، وتبدأ الأداة بالإعدادات الافتراضية، ولا يمكن حفظ الإعدادات حتى يُحذف.</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>لم تُكتب الإعدادات: تعذرت قراءة %1 عند البدء أو كان مقطوعًا، وتعذر نقله جانبًا؛ لذا يُحتفظ به كما وُجد حتى لا يضيع شيء مما فيه. انقله أو احذفه لحفظ الإعدادات.
هل تريد الخروج على أي حال (موافق) أم البقاء مع إبقاء الكاميرات متصلة (إلغاء)؟</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>المجلد المؤقت %1 غير موجود، لذا لا يمكن إنشاء ملف القفل الذي يمنع تشغيل نسخة ثانية من الأداة.
أنشئ المجلد، أو اضبط المجلد المؤقت على مجلد موجود.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>لا يمكن إنشاء ملف القفل %1: يحمل هذا الاسم مجلدٌ أو شيء آخر ليس ملفًا.
احذفه أو أعد تسميته.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>يوم</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>معلومات الشبكة غير مكتملة</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>يرجى اختيار ملف النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>ملف النسخ الاحتياطي غير موجود</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>نوع الملف غير مطابق</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>جارٍ الاتصال...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>انتهت المهلة</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>في انتظار بدء الترقية</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>جارٍ الإرسال...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>مساحة القرص في الجهاز غير كافية</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>اكتمل استلام الملف</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>نجح التحقق من الملف، جارٍ الترقية...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>فشل التحقق من الملف، جارٍ إعادة التشغيل...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>فشلت الترقية، جارٍ إعادة التشغيل...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>لم يُعثر على ملف ترقية ARM، جارٍ إعادة التشغيل...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>بدء النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>بدء الاستلام</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>نجح النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>فشل النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>جارٍ الاستعادة...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>فشلت الاستعادة، جارٍ إعادة التشغيل...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>نجحت الاستعادة</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>نجحت الترقية</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>اختر حزمة الترقية</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>اختر نوع الترقية</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>نوع ملف الترقية غير مطابق</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>فشل فتح الملف</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>نجح التصدير</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>فشل التصدير</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>نجح الاستيراد</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>فشل الاستيراد</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>حفظ ملف النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>اختيار ملف النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>الأجهزة: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>فشلت تهيئة البث المتعدد</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>فشل الانضمام إلى مجموعة البث المتعدد</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>يرجى اختيار الجهاز المراد تكوينه</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>تم الضبط بنجاح</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>هل تريد حقًا إعادة التشغيل؟</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>اختيار حزمة الترقية</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>إخفاء المزيد</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>الدخول إلى الإخراج اليدوي، ستتوقف العمليات الأخرى!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(%1 أجهزة أخرى استجابت ولم تُدرج)</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>معاينة الفيديو</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>انتهت مهلة الاتصال</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;حسنًا</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>أل&amp;غِ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
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
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>موضع تركيب الكاميرا</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>إخراج يدوي</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>صورة الإخراج</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>إخراج تلقائي</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>لقطة المعلم القريبة:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>بانوراما المعلم:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>لقطة الطلاب القريبة:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>بانوراما الطلاب:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP المعلم</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP الطلاب</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>حمل منخفض</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>سلس</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>المعلم</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>التتبع</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>وضع التتبع</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>وضع المتابعة</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>وضع الكاميرتين</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>الوضع المختلط</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>وضع بانوراما السبورة</translation>
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
        <translation>الأصل</translation>
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
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>البانوراما</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>المنصة</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>بانوراما السبورة</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>الطلاب</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>الإعداد</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>خطأ في إدخال معلومات الشبكة</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>انتهت مهلة الاتصال</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>يرجى توصيل الكاميرا</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>تم التبديل إلى الإخراج اليدوي</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>أنواع الاتصال غير متطابقة</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>هل تريد الانتقال إلى الإعداد؟</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>هل تريد الخروج حقًا؟</translation>
    </message>
</context>
</TS>
