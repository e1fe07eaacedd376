<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Inicio</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>Salir de la configuración</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Finalizar asistente</translation>
    </message>
</context>
<context>
    <name>Calibrate_Area_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorámica</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>Detener calibración</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>Durante la calibración automática solo puede haber una persona en movimiento en la imagen; de lo contrario, los datos serán anómalos.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>¿Desea iniciar la calibración automática?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>La calibración automática ha fallado. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>Calibración automática correcta.</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>Ajustes de cámaras</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2 cámaras: admite la cámara del profesor y la de los alumnos, con primer plano y panorámica del profesor y primer plano y panorámica de los alumnos.</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Selección de cámaras</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 cámaras</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 cámaras</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 cámaras</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 cámaras</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>Bienvenido al asistente de la herramienta de configuración</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4 cámaras: sobre la base de 2 cámaras se mantienen las panorámicas del profesor y de los alumnos, y dos cámaras PTZ hacen de primer plano del profesor y de los alumnos.</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5 cámaras: sobre la base de 4 cámaras se añade una cámara de pizarra.</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>IP primer plano profesor</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>IP panorámica profesor</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>IP primer plano alumnos</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>IP panorámica alumnos</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>IP pizarra 1</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>IP pizarra 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6 cámaras: sobre la base de 5 cámaras se añade otra cámara de pizarra.</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>Calibración panorámica</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Mostrar cruz de calibración</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP primer pl.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP panorámica</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>Modo de seguimiento</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>Nota: mientras la cámara no esté bien conectada, el modo mostrado es el predeterminado; una vez conectada, se usa el modo configurado en la cámara.</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>Modo tres presets: cuando el profesor entra en la zona de la pizarra se le muestra en primer plano; los presets de pizarra izquierda/centro/derecha son las tres posiciones de primer plano.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>Modo seguir: tanto si el profesor se mueve como si está quieto, se le muestra siempre en primer plano.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Modo binocular: mientras el profesor está quieto o se mueve dentro del primer plano se mantiene; al salir o llegar al borde se cambia a la panorámica del profesor.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Modo mixto: mientras el profesor está quieto o se mueve dentro del primer plano se mantiene; si se mueve un poco, se le centra despacio y se ve el movimiento PTZ; al salir o llegar al borde se cambia a la panorámica del profesor.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>Modo panorámica pizarra: se muestra la panorámica de la pizarra en todos los casos salvo cuando un alumno se levanta y se muestra su primer plano.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Modo tres presets</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Modo seguir</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Modo binocular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Modo mixto</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Modo panorámica pizarra</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
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
        <translation>Izqda.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dcha.</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>Llamar cámara</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Detectar zona de seguim.</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>Detección IA</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>Borrar instantánea</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Seleccione el área de seguimiento; con el ratón sobre ella y una vez enfocada, 
puede ajustar su tamaño. 
Esta área es obligatoria: solo se puede modificar y ajustar, no eliminar;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Seguim.</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Seleccione el área de instantánea; si no está dibujada, dibuje en la imagen el área que se capturará; 
si necesita ajustarla después, puede arrastrarla o seleccionar un punto de anclaje para afinarla;
2: Para eliminar el área de instantánea, pulse el botón [Borrar instantánea] de la derecha y aplique</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantánea</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: Seleccione el área de pizarra; si ya están dibujadas la izquierda, la central y la derecha, el foco queda por defecto en la pizarra izquierda, 
y la central y la derecha no se pueden enfocar ni modificar. Para modificar una de ellas (izquierda, 
central o derecha), desmarque su casilla y vuelva a dibujarla o ajústela;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Pizarra  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: Seleccione el área de exclusión; si ya están dibujadas las áreas 1234, 
el foco queda por defecto en el área 1; para modificar una de las 1234, 
desmarque su casilla y vuelva a dibujarla o ajústela;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Fijar preset</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>Fijar presets de primer plano</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: Panorámica</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: Tarima</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: Pizarra izq.</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: Pizarra der.</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: Pan. pizarra</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: Recorte pan.</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>Fijar presets de pizarra</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: Pizarra izq.</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>N.º 2 : Pizarra derecha</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: Pizarra centro</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>Los presets de pizarra solo valen en la configuración de cinco cámaras al elegirla; el selector es el control en azul de abajo.</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Pan. pizarra aut.</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Tarima auto</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Objetivo perdido</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>Sin acción</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Panorámica (preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Tarima (preset 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Panorámica alumnos</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>Cuando el profesor baja de la tarima, el primer plano cambia según la opción.</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>Tiempo en pizarra (s)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>Es el tiempo que se mantiene el primer plano después de mostrar la pizarra.</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>Retardo de vuelta a panorámica</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>Retardo hasta que el primer plano vuelve a la panorámica con varias cámaras o PTZ binocular; solo con cuatro o cinco cámaras.</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>Tiempo de detección (s)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>Es el retardo antes de mostrar la pizarra en primer plano tras detectar el objetivo.</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Varios objetivos</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>Seguir objetivo actual</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Volver a panorámica</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>Con varios objetivos en la tarima, el primer plano cambia según la opción.</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>Función pizarra</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>Con la función de pizarra activada se aplican las zonas de detección y las posiciones de pizarra configuradas.</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Adaptación de altura</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>Ajusta automáticamente la altura del encuadre según la estatura del objetivo.</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Seguir al arrancar</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>El seguimiento empieza al encender la cámara.</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>Nivel velocidad</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>Nivel de velocidad PTZ; solo en el modo de tres presets.</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Desactivar AF al seguir</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>Sin enfoque durante el seguimiento; solo con cuatro o cinco cámaras.</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>Prueba de seguimiento</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>Llamar presets de primer plano</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>Llamar presets de pizarra</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>Mostrar/ocultar zonas</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>Detener/iniciar seguimiento</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>El recorte de la panorámica está en pausa</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>Área alumnos</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>Instrucciones de las zonas de alumnos

 1. Mostrar: marque para ver la zona de alumnos y las zonas ocultas configuradas; desmarque para cerrarlas.

 2. Zona de alumnos: muestra cuatro marcas verdes que rodean la zona donde se levantan los alumnos.

 3. Zonas ocultas: admite cuatro. Por ejemplo, para la zona 1 haga clic en su borde izquierdo y arrastre en sentido antihorario hasta el borde vecino u opuesto.</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>Tiempo de pérdida (s)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>Tras perder el objetivo y pasar este tiempo, se ejecuta [Acción al perder el objetivo].</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Panorámica 0 (preset 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>Define la acción de la [cámara de primer plano] tras perder el objetivo.</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Cambio a panorámica</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>La grabación pasa primero a la panorámica de alumnos y luego a su primer plano; desactivado, pasa directamente al primer plano.</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Duración primer plano</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>Define el tiempo máximo de primer plano de un alumno de pie.</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Panorámica pequeña</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Volver a panorámica 0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>Define la acción de seguimiento cuando se levantan varios alumnos.</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Detección de caras</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>La cámara usa la detección de caras para decidir si el objetivo requiere primer plano.</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>Llamar presets</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Estrategia de realización</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>Realización externa: las cámaras (de pizarra, de alumnos y de profesor) envían códigos de estado de seguimiento al equipo de realización, que analiza ese estado para conmutar la salida de vídeo.
Ejemplo: Profesor quieto, ff 01 00 00 00 12, solo indica que hay un profesor quieto en el área de seguimiento; al conmutar según el seguimiento del profesor, el equipo de realización debe tener en cuenta también el seguimiento de las cámaras de pizarra y de alumnos.

Realización interna: la cámara (del profesor) envía códigos de conmutación al equipo de realización, que conmuta la salida de vídeo en cuanto recibe un código.
Ejemplo: Primer plano alumnos, ff 33 33, conmuta la salida de vídeo directamente al primer plano de alumnos.</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>Realización externa</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>En la tarima</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Profesor quieto</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Profesor en movimiento</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Fuera de la tarima</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Varios objetivos</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Alumno se levanta</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Primer plano listo</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Alumno se sienta</translation>
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
        <translation> Pizarra</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Con actividad</translation>
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
        <translation>Realización interna</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>Códigos de realización (solo cámara del profesor)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Panorámica profesor</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Primer plano profesor</translation>
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
        <translation>Primer plano alumnos</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Pizarra 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Pizarra 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>Puerto del servidor</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
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
        <translation>Serie</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>Tipo de comando</translation>
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
        <translation>Envío de códigos de realización</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tres veces</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Paso a automático</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Paso a manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>Salir del asistente</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Finalizar asistente</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Conecte la cámara</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Conecte la cámara panorámica del profesor</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Conecte la cámara panorámica de los alumnos</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Se ha activado el recorte de la panorámica</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Los tipos de conexión no coinciden</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>IP del profesor</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>IP del alumno</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>¡Se ha detectado que todos los campos están vacíos!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>¡Se ha detectado un error en los datos de red!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>¡La IP introducida no responde a tiempo; la conexión puede fallar!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>información</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Error de formato del comando</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Gestión de dispositivos</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Realización</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>Pasos de configuración</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>La configuración ha terminado. ¿Ir ahora a la página principal?</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>Al salir del asistente se interrumpirán las demás operaciones.</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>¡No se ha introducido nada!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>Error de conexión RTSP</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>Error de autenticación RTSP. Compruebe si la autenticación está activada en la web o si hay otro problema.</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>No se encontró ninguna pizarra ni pantalla en la imagen. Las zonas quedan como estaban.</translation>
    </message>
</context>
<context>
    <name>Image_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorámica</translation>
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
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Realización</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>Mapeo del grabador</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>Obtener</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP primer pl.</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP panorámica</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>Iniciar seguim.</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>Parar seguim.</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Fijar preset</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>Ir a preset</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
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
        <translation>Inicio</translation>
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
a
m
p
l
i
a
r
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Seleccione el área de seguimiento; con el ratón sobre ella y una vez enfocada, 
puede ajustar su tamaño. 
Esta área es obligatoria: solo se puede modificar y ajustar, no eliminar;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Seguim.</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Seleccione el área de instantánea; si no está dibujada, dibuje en la imagen el área que se capturará; 
si necesita ajustarla después, puede arrastrarla o seleccionar un punto de anclaje para afinarla;
2: Para eliminar el área de instantánea, pulse el botón [Borrar instantánea] de la derecha y aplique</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Instantánea</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: Seleccione el área de pizarra; si ya están dibujadas la izquierda, la central y la derecha, el foco queda por defecto en la pizarra izquierda, 
y la central y la derecha no se pueden enfocar ni modificar. Para modificar una de ellas (izquierda, 
central o derecha), desmarque su casilla y vuelva a dibujarla o ajústela;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Pizarra  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: Seleccione el área de exclusión; si ya están dibujadas las áreas 1234, 
el foco queda por defecto en el área 1; para modificar una de las 1234, 
desmarque su casilla y vuelva a dibujarla o ajústela;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izqda.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dcha.</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Centro</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Flotante</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Sin personas</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>Detección IA</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>Borrar instantánea</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Detectar zona de seguim.</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>Función de las flechas</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>Modo PTZ</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>Modo menú</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Primer pl.</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorám.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>Respaldo de parámetros</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>Primer pl.:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>Panorám.:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Objetivo perdido</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>Sin acción</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Panorámica alumnos</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Panorámica (preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Tarima (preset 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>Veces de espera: </translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>Límite: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Varios objetivos</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>Seguir objetivo actual</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Volver a panorámica</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>Velocidad PTZ</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>Nivel velocidad</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>Nota: solo válido en modo tres presets</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>Calibración de lente</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Mostrar cruz de calibración</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Calibración automática</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>Enfoque panorámica</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>Modo manual</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>Modo automático</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>Compensación de holgura</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>Holgura vert.</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>Holgura horiz.</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>Ajustes de seguimiento</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Seguir al arrancar</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Desactivar AF al seguir</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Adaptación de altura</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>Seguim. en tiempo real</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>Seguir persona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>Seguir persona</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>Pizarra del profesor</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>Pizarra activada</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>Detectar cara a pizarra</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>Detectar mano en pizarra</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>Detección: </translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>Espera: </translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>Pérdida: </translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>Intervalo: </translation>
    </message>
    <message>
        <source>S</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Modo tres presets</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Modo seguir</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Modo binocular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Modo mixto</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Modo panorámica pizarra</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>Modo atril</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: Panorámica</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: Tarima</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: Pizarra izq.</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: Pizarra der.</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: Recorte pan.</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Pan. pizarra aut.</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Tarima auto</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Ajustes básicos</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>Sensibilidad: </translation>
    </message>
    <message>
        <source>L</source>
        <translation>B</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>Dist. primer pl.: </translation>
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
        <translation>Dist. panorám.: </translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>Desvío pan: </translation>
    </message>
    <message>
        <source>L </source>
        <translation>I </translation>
    </message>
    <message>
        <source>R</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>Desvío tilt: </translation>
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
        <translation>Ajustes modo atril</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>Posición de inicio</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Posición actual</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preset n.º 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>Zoom automático</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>Tilt automático</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>Tiempo de retención</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>Tamaño de persona</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>Entero</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>Cercano</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>A medida</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>Servidor de realización</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>Servidor de realización</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>Dirección IP </translation>
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
        <translation>Tiempo fuera de tarima</translation>
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
        <translation>Área alumnos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>Área de asientos</translation>
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
        <translation>Área calibración</translation>
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
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>Altura cámara: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Modo menú</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Cambio a panorámica</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Detección de caras</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>El recorte de la panorámica está en pausa</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>Config. panorámica</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>Detección panorámica PTZ</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Panorámica 0 (preset 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Panorámica pequeña</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Volver a panorámica 0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Duración primer plano</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>Duración (s)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>Retardo a panorámica</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>Retardo pan.</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>Modo PTZ</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>Fijar pizarra 0 (preset 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>Ir a pizarra 0 (preset 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>Fijar pizarra 1 (preset 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>Ir a pizarra 1 (preset 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>Fijar pan. (preset 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>Ir a pan. (preset 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>Pizarra 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>IP pizarra</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>Espera pérdida: </translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>Activar pizarra</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>Activar 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>Pizarra:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>Detección:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>Varias pizarras</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>Pizarra 0 (preset 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>Pizarra 1 (preset 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>Pizarra perdida</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Ajustes de comunicación</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP profesor</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP alumnos</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>Usar UART</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudios</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
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
        <translation>Serie</translation>
    </message>
    <message>
        <source>Command Type</source>
        <translation>Tipo de comando</translation>
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
        <translation>Servidor de realización</translation>
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
        <translation>Conmutación de seguimiento</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Paso a automático</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Paso a manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>Envío de códigos de realización</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tres veces</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Estrategia de realización</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>Realización externa</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>Realización interna</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>En la tarima</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Profesor quieto</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Profesor en movimiento</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Fuera de la tarima</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Varios objetivos</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Alumno se levanta</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Primer plano listo</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Alumno se sienta</translation>
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
        <translation> Pizarra</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Con actividad</translation>
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
        <translation>Códigos de realización (solo cámara del profesor)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Panorámica profesor</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Primer plano profesor</translation>
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
        <translation>Primer plano alumnos</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Pizarra 1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Pizarra 2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>Mín. entre cambios</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(Excepto la panorámica de alumnos)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>Enviar prueba</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>Realiz. manual</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>Intervalos de realización</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>Int. fijo</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>Int. movim.</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>Int. múltiple</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>Realización externa: las cámaras (de pizarra, de alumnos y de profesor) envían códigos de estado de seguimiento al equipo de realización, que analiza ese estado para conmutar la salida de vídeo.
Ejemplo: Profesor quieto, ff 01 00 00 00 12, solo indica que hay un profesor quieto en el área de seguimiento; al conmutar según el seguimiento del profesor, el equipo de realización debe tener en cuenta también el seguimiento de las cámaras de pizarra y de alumnos.

Realización interna: la cámara (del profesor) envía códigos de conmutación al equipo de realización, que conmuta la salida de vídeo en cuanto recibe un código.
Ejemplo: Primer plano alumnos, ff 33 33, conmuta la salida de vídeo directamente al primer plano de alumnos.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>Dispositivos:</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>Red del equipo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dir. IP</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>Pasarela</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Tiempo activo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Dir. MAC</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID de dispositivo</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>DNS prim.</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Consultar</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>desconectado</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
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
        <translation>Establecer</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Respaldar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>Ruta del archivo </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>Archivo </translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>Estado </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>IZQ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>DCHA.</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>ABAJO</translation>
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
        <translation>Mapeo de puertos</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>IP del grabador</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>Ajustes de IP/puertos</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>Equipo profesor</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>Equipo alumnos</translation>
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
        <translation>Puerto de comunicación</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>Asignado profesor</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>Asignado alumnos</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>Puerto RTSP</translation>
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
        <translation>Puerto VISCA</translation>
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
        <translation>Puerto UDP</translation>
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
        <translation>Puerto TCP</translation>
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
        <translation>Puerto de respaldo</translation>
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
        <translation>Puerto de búsqueda</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Mostrar más</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Selección de cámaras</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 cámaras</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 cámaras</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 cámaras</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 cámaras</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>Nota: ① Según el número de cámaras, las funciones que no correspondan se desactivan por defecto; ② La pestaña de pizarra solo se muestra con cinco o seis cámaras;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
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
        <translation>Cambio de configuración de seguimiento</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>Configuración de seguimiento 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>Configuración de seguimiento 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Decodificador</translation>
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
        <translation>Introducir</translation>
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
        <translation>ATRÁS</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: Pizarra izq.</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: Pizarra centro</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: Pan. pizarra</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
p
l
e
g
a
r
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>Aplicar(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>Pizarra 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>Activar 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>existe</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Acerca de Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>Al modificar los puertos se interrumpirán las demás operaciones.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>El usuario y la contraseña no pueden estar vacíos.</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Error en los datos de red introducidos</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>Error en el puerto: «%1» no es un puerto entre 1 y 65535</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>No se pudieron guardar los ajustes de reenvío de puertos en %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>Script de reenvío de puertos iniciado correctamente</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>No se encontró el script de reenvío de puertos: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>No se pudo iniciar el script de reenvío de puertos</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Conecte la cámara</translation>
    </message>
    <message>
        <source>information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Error de formato del comando</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Se ha activado el recorte de la panorámica</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Los tipos de conexión no coinciden</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Conecte la cámara panorámica del profesor</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Conecte la cámara panorámica de los alumnos</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>No se pudo obtener la configuración. Vuelva a conectar o pulse el botón Obtener para obtenerla.</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>No se pudo obtener la configuración de seguimiento; desconecte y vuelva a conectar</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>Error al obtener la configuración del profesor</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>No se ejecutará nada.</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>Configuración del profesor obtenida</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>Error al aplicar la configuración del profesor</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>Configuración del profesor aplicada</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>Error al obtener la configuración de los alumnos</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>Configuración de los alumnos obtenida</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>Error al aplicar la configuración de los alumnos</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>Configuración de los alumnos aplicada</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>Se abrirá el asistente de configuración; ¡se interrumpirán las demás operaciones!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>No se pudo escribir la configuración en %1. Se conserva el archivo anterior, sin los cambios posteriores.
¿Salir de todos modos (OK) o quedarse con las cámaras conectadas (Cancel)?</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>¡El puerto y la dirección del director no pueden estar vacíos!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>No se puede actualizar la configuración de seguimiento. ¿Desea detener el seguimiento?</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>No se puede crear el archivo de bloqueo %1: %2.
La carpeta temporal debe existir, admitir escritura y tener espacio libre.</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>No se encontró el modelo de detección en %1. Copie el modelo allí y reinicie el programa para usar la detección por IA.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>No se puede leer el archivo de configuración %1. Se movió a %2 y la herramienta se inicia con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>No se puede leer el archivo de configuración %1 ni apartarlo: %2.
Se conserva tal cual, la herramienta se inicia con la configuración predeterminada y no se podrá guardar la configuración hasta que se elimine.</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>La compensación de inversión se detuvo: no se obtuvo una imagen útil de la cámara de primer plano. No se escribió nada en la cámara.</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>La compensación de inversión no pudo saber si la imagen se movió: la imagen de la cámara de primer plano tiene muy pocos detalles. No se escribió nada en la cámara.</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>Error en la calibración automática</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>No se pudo cargar el modelo de detección %1: %2. Sustitúyalo y reinicie el programa para usar la detección por IA.</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>No se pudo leer la lista de clases %1: %2. Sustitúyala y reinicie el programa para usar la detección por IA.</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>No se pudo ejecutar el modelo de detección %1: %2. Las regiones se dejaron como estaban.</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>El modelo de detección %1 no corresponde a la lista de clases %2: %3. Las regiones se dejaron como estaban.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>El archivo de configuración %1 está cortado: faltan claves que escribe cada guardado (%2 en total: %3). Se movió a %4 y la herramienta se inicia con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>El archivo de configuración %1 está cortado: faltan claves que escribe cada guardado (%2 en total: %3). No se puede apartar: %4.
Se conserva tal como está, la herramienta se inicia con la configuración predeterminada y no se puede guardar la configuración hasta que se elimine.</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>La configuración no se escribió: %1 no se pudo leer al inicio, o estaba cortado, y no se pudo apartar; se conserva tal como se encontró, para que no se pierda nada de su contenido. Muévalo o elimínelo para guardar la configuración.
¿Salir de todos modos (Aceptar) o quedarse con las cámaras conectadas (Cancelar)?</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>La carpeta temporal %1 no existe, por lo que no se puede crear el archivo de bloqueo que impide que se inicie una segunda copia de la herramienta.
Cree la carpeta o configure como carpeta temporal una que exista.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>No se puede crear el archivo de bloqueo %1: una carpeta u otra cosa que no es un archivo tiene ese nombre.
Elimínela o cámbiele el nombre.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>La información de red está incompleta</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>Seleccione el archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>No existe el archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>El tipo de archivo no coincide</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>conectando...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectado</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>esperando el inicio de la actualización</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>transmitiendo...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>espacio en disco insuficiente en el equipo</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>recepción del archivo terminada</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>archivo verificado, actualizando...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>fallo al verificar el archivo, reiniciando...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>fallo de actualización, reiniciando...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>no se encontró el archivo de actualización ARM, reiniciando...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>iniciando copia de seguridad</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>iniciando recepción</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>Copia de seguridad correcta</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>copia de seguridad fallida</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>restaurando...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>Restauración fallida, reiniciando...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Restauración correcta</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>Actualización correcta</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>Seleccione el paquete de actualización</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>Seleccione el tipo de actualización</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>El tipo de archivo de actualización no coincide</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>Exportación correcta</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>Error de exportación</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>Importación correcta</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>Guardar archivo de respaldo</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>Seleccionar archivo de respaldo</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>Dispositivos: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>Error al iniciar la multidifusión</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>Error al unirse al grupo de multidifusión</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>Seleccione el equipo que desea configurar</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>Configuración aplicada</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>¿Seguro que desea reiniciar?</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>Seleccionar paquete de actualización</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>Mostrar menos</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>Se entrará en la realización manual; ¡las demás operaciones se interrumpirán!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(%1 más respondieron, no listados)</translation>
    </message>
</context>
<context>
    <name>OSDMenu</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>IZQ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>DCHA.</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ATRÁS</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>ABAJO</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Vista previa de vídeo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>camera_install_pos</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
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
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>Posición de instalación de la cámara</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>Realiz. manual</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>Imagen de realización</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>Realiz. automática</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>Primer plano profesor:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>Panorámica profesor:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>Primer plano alumnos:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>Panorámica alumnos:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP profesor</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP alumnos</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>Baja carga</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Fluido</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Seguim.</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Modo seguir</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Modo binocular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Modo mixto</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Modo panorámica pizarra</translation>
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
        <translation>Inicio</translation>
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
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izqda.</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dcha.</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorámica</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>Tarima</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>Panorámica pizarra</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Error en los datos de red introducidos</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Conecte la cámara</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>Cambiado a realización manual</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Los tipos de conexión no coinciden</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>¿Desea pasar a la configuración?</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
</context>
</TS>
