<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>ArrowKeyViews</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
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
        <translation>Awal</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Perkecil</translation>
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
        <translation>Formulir</translation>
    </message>
    <message>
        <source>退出配置</source>
        <translation>Keluar konfigurasi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Selesaikan Wizard</translation>
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
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Start Calibrate</source>
        <translation>Mulai Kalibrasi</translation>
    </message>
    <message>
        <source>Stop Calibrate</source>
        <translation>Hentikan Kalibrasi</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>During automatic calibration, there can only be one moving person in the image; otherwise, the data will be abnormal.</source>
        <translation>Selama kalibrasi otomatis, hanya boleh ada satu orang yang bergerak di gambar; jika tidak, data akan tidak normal.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Do you want to start automatic calibration?</source>
        <translation>Mulai kalibrasi otomatis?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Auto-Calibration Failed. Please try again.</source>
        <translation>Kalibrasi otomatis gagal. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>Auto-Calibration Successful.</source>
        <translation>Kalibrasi otomatis berhasil.</translation>
    </message>
</context>
<context>
    <name>GuideConfig</name>
    <message>
        <source>Wizard Config</source>
        <translation>Panduan Pengaturan</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>Pengaturan Kamera</translation>
    </message>
    <message>
        <source>Two Cameras Tips</source>
        <translation>2 Kamera: Mendukung kamera guru dan kamera siswa, termasuk close-up guru, panorama guru, close-up siswa, panorama siswa.</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Pilihan kamera</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 Kamera</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 Kamera</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 Kamera</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 Kamera</translation>
    </message>
    <message>
        <source>Welcome to the configuration tool Wizard</source>
        <translation>Selamat datang di wizard alat konfigurasi</translation>
    </message>
    <message>
        <source>Four Cameras Tips</source>
        <translation>4 Kamera: Berdasarkan susunan 2 kamera, kamera panorama guru dan siswa tetap dipakai, dan dua kamera PTZ masing-masing menjadi kamera close-up guru dan kamera close-up siswa.</translation>
    </message>
    <message>
        <source>Five Cameras Tips</source>
        <translation>5 Kamera: Berdasarkan susunan 4 kamera, ditambah satu kamera papan tulis.</translation>
    </message>
    <message>
        <source>Teacher Feature IP</source>
        <translation>IP Close-up Guru</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Teacher Pano IP</source>
        <translation>IP Panorama Guru</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Student Feature IP</source>
        <translation>IP Close-up Siswa</translation>
    </message>
    <message>
        <source>192.168.1.163</source>
        <translation>192.168.1.163</translation>
    </message>
    <message>
        <source>Student Pano IP</source>
        <translation>IP Panorama Siswa</translation>
    </message>
    <message>
        <source>192.168.1.164</source>
        <translation>192.168.1.164</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>IP Papan 1</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>IP Papan 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Six Cameras Tips</source>
        <translation>6 Kamera: Berdasarkan susunan 5 kamera, ditambah satu kamera papan tulis lagi.</translation>
    </message>
    <message>
        <source>Calibration Pano</source>
        <translation>Kalibrasi Panorama</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Tampilkan silang kalibrasi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrasi</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP Close-up</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Hubungkan</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP Panorama</translation>
    </message>
    <message>
        <source>Track Mode</source>
        <translation>Mode Pelacakan</translation>
    </message>
    <message>
        <source>TrackModeNote</source>
        <translation>Catatan: bila kamera belum terhubung dengan benar, mode yang didapat adalah mode bawaan. Setelah kamera terhubung, mode yang dikonfigurasi di kamera yang dipakai.</translation>
    </message>
    <message>
        <source>三预置位模式: 教师进入板书区域全程给教师特写,左/中/右板书三个预置位对应的就是三个教师特写位.</source>
        <translation>Mode tiga preset: saat guru memasuki area papan tulis, guru terus di-close-up. Tiga preset papan kiri/tengah/kanan adalah tiga posisi close-up guru.</translation>
    </message>
    <message>
        <source>跟随模式: 无论教师移动还是静止,全程给教师特写.</source>
        <translation>Mode ikuti: baik guru bergerak maupun diam, guru terus di-close-up.</translation>
    </message>
    <message>
        <source>双镜模式: 教师静止或在特写画面内移动时保持教师特写，教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Mode binokular: saat guru diam atau bergerak di dalam gambar close-up, close-up dipertahankan; saat keluar atau ke tepi gambar, beralih ke panorama guru.</translation>
    </message>
    <message>
        <source>混合模式: 教师静止或在特写画面内移动时保持教师特写，教师在特写画面内小幅移动时,会把教师在特写画面内缓慢居中，能看到云台动作,教师移出特写画面或移到特写画面边缘时切换为教师全景.</source>
        <translation>Mode campuran: saat guru diam atau bergerak di dalam gambar close-up, close-up dipertahankan. Saat bergerak sedikit, guru perlahan dipusatkan dan gerakan PTZ terlihat. Saat keluar atau ke tepi gambar, beralih ke panorama guru.</translation>
    </message>
    <message>
        <source>黑板全景模式: 除学生起立导播学生特写外，其他情况全部显示黑板全景画面.</source>
        <translation>Mode panorama papan: panorama papan tulis ditampilkan dalam semua keadaan kecuali saat siswa berdiri dan di-close-up.</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Mode tiga preset</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Mode ikuti</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Mode binokular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mode campuran</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Mode panorama papan</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Lihat</translation>
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
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Tengah</translation>
    </message>
    <message>
        <source>Call Camera</source>
        <translation>Panggil Kamera</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Deteksi Otomatis Area Lacak</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>Deteksi AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>Hapus Cuplikan</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Pilih area pelacakan; arahkan mouse ke area tersebut, 
setelah area terfokus ukurannya dapat diubah. 
Area ini wajib ada: hanya dapat diubah dan disesuaikan, tidak dapat dihapus;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Lacak</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Pilih area cuplikan; jika belum digambar, gambar area yang akan dijadikan cuplikan pada gambar, 
jika perlu disesuaikan lagi setelah digambar, seret atau pilih titik jangkar untuk menyempurnakannya;
2: Untuk menghapus area cuplikan, klik tombol [Hapus Cuplikan] di sebelah kanan lalu terapkan</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Cuplikan</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: Pilih area papan tulis; jika kiri, tengah, dan kanan sudah digambar, fokus secara bawaan ada di papan kiri, 
dan papan tengah serta kanan tidak dapat difokuskan dan diubah. Jika perlu mengubah salah satu dari kiri, 
tengah, atau kanan, hapus centangnya lalu gambar ulang atau ubah dan sesuaikan;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Papan  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: Pilih area blokir; jika area blokir 1234 sudah digambar, 
fokus secara bawaan ada di area 1; jika perlu mengubah salah satu dari 1234, 
hapus centangnya lalu gambar ulang atau ubah penyesuaiannya;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Blokir</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Atur Preset</translation>
    </message>
    <message>
        <source>Set Feature Presets</source>
        <translation>Atur Preset Close-up</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: Panorama</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: Podium</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: Papan Kiri</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: Papan Kanan</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: Pano Papan</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: Potong Pano</translation>
    </message>
    <message>
        <source>Set Board Presets</source>
        <translation>Atur Preset Papan</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: Papan Kiri</translation>
    </message>
    <message>
        <source>Num 2 : Right Board</source>
        <translation>No 2 : Papan Kanan</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: Papan Tengah</translation>
    </message>
    <message>
        <source>设置板书端预置位仅在五机位选中切换才会生效,切换按钮如下蓝字控件标明;</source>
        <translation>Preset papan hanya berlaku pada susunan lima kamera setelah dipilih; tombol pemilihnya ditandai teks biru di bawah.</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Auto Pan. Papan</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Auto Podium</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opsi Lanjutan</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Saat Target Hilang</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>Tanpa tindakan</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Panorama (Preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Podium (Preset 1)</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Panorama siswa</translation>
    </message>
    <message>
        <source>教师下讲台,特写画面根据选项切换</source>
        <translation>Saat guru turun dari podium, gambar close-up beralih sesuai pilihan.</translation>
    </message>
    <message>
        <source>Board Hold Time</source>
        <translation>Waktu Tahan Papan (dtk)</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>保持时间为给板书特写后的特写保持时间</source>
        <translation>Waktu tahan adalah lama close-up dipertahankan setelah close-up papan tulis.</translation>
    </message>
    <message>
        <source>特写流回全景位延时</source>
        <translation>Tunda Close-up ke Panorama</translation>
    </message>
    <message>
        <source>多机位或双目云台机特写流回全景位延时时间,仅四/五机位生效</source>
        <translation>Tunda kembalinya close-up ke posisi panorama pada multi-kamera atau PTZ binokular; hanya berlaku pada susunan empat/lima kamera.</translation>
    </message>
    <message>
        <source>Board Detect Time</source>
        <translation>Waktu Deteksi Papan (dtk)</translation>
    </message>
    <message>
        <source>检测时间为发现目标后给板书特写的延时</source>
        <translation>Waktu deteksi adalah tunda sebelum close-up papan tulis setelah target ditemukan.</translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Banyak Target</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>lacak target saat ini</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Kembali ke panorama</translation>
    </message>
    <message>
        <source>讲台上有多个目标时,特写画面根据选项切换</source>
        <translation>Saat ada beberapa target di podium, gambar close-up beralih sesuai pilihan.</translation>
    </message>
    <message>
        <source>Board Function</source>
        <translation>Fungsi Papan</translation>
    </message>
    <message>
        <source>开启板书功能后,配置的板书检测框和对应的板书位方能生效</source>
        <translation>Setelah fungsi papan diaktifkan, kotak deteksi papan dan posisi papan yang dikonfigurasi baru berlaku.</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Adaptasi tinggi</translation>
    </message>
    <message>
        <source>身高自适应会根据目标高度自动调节特写框的高度</source>
        <translation>Adaptasi tinggi menyesuaikan tinggi kotak close-up secara otomatis menurut tinggi target.</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Lacak saat menyala</translation>
    </message>
    <message>
        <source>摄像机开机即开启跟踪</source>
        <translation>Pelacakan dimulai saat kamera dinyalakan.</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>Level kecepatan</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>云台速度等级,仅三预置位模式生效</source>
        <translation>Tingkat kecepatan PTZ, hanya berlaku pada mode tiga preset.</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Nonaktifkan AF saat melacak</translation>
    </message>
    <message>
        <source>跟踪时不对焦,仅四/五机位生效</source>
        <translation>Tidak fokus saat melacak; hanya berlaku pada susunan empat/lima kamera.</translation>
    </message>
    <message>
        <source>Track Test</source>
        <translation>Uji Pelacakan</translation>
    </message>
    <message>
        <source>Call Feature Presets</source>
        <translation>Panggil Preset Close-up</translation>
    </message>
    <message>
        <source>Call Board Presets</source>
        <translation>Panggil Preset Papan</translation>
    </message>
    <message>
        <source>Hide/Show Draw Area</source>
        <translation>Tampilkan/Sembunyikan Area</translation>
    </message>
    <message>
        <source>Stop/Open Tracking</source>
        <translation>Hentikan/Mulai Pelacakan</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>Pemotongan panorama dijeda</translation>
    </message>
    <message>
        <source>Stu Area</source>
        <translation>Area siswa</translation>
    </message>
    <message>
        <source>学生端区域设置使用说明

 1.显示: 勾选显示已配置的学生区域和屏蔽区域,相反为关闭;

 2.学生区域: 显示四个绿色块包含学生起立区域;

 3.屏蔽区域: 支持设置四个屏蔽区域,如屏蔽区域1,用鼠标点屏蔽区域1的左边界,按逆时针方向拖拉鼠标到临边或隔边界;</source>
        <translation>Petunjuk pengaturan area siswa

 1. Tampilkan: centang untuk menampilkan area siswa dan area sembunyi yang dikonfigurasi; hapus centang untuk menutup.

 2. Area siswa: menampilkan empat blok hijau yang melingkupi area siswa berdiri.

 3. Area sembunyi: dapat diatur hingga empat. Misalnya area 1: klik batas kirinya, lalu seret berlawanan arah jarum jam ke tepi sebelah atau seberang.</translation>
    </message>
    <message>
        <source>Lost Action Time</source>
        <translation>Waktu Aksi Hilang (dtk)</translation>
    </message>
    <message>
        <source>表示目标丢失后，经过超时时间后执行【目标丢失动作】</source>
        <translation>Setelah target hilang dan waktu ini lewat, [Aksi Target Hilang] dijalankan.</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Panorama 0 (Preset 0)</translation>
    </message>
    <message>
        <source>设置丢失目标后【特写机】的动作</source>
        <translation>Mengatur aksi [kamera close-up] setelah target hilang.</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Ganti ke panorama</translation>
    </message>
    <message>
        <source>表示录播画面将先切换学生全景再切换学生特写,关闭后将直接切学生特写</source>
        <translation>Gambar rekaman beralih ke panorama siswa lalu ke close-up siswa; bila dimatikan, langsung ke close-up siswa.</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Durasi Close-up</translation>
    </message>
    <message>
        <source>设置学生特写起立最大的保持时间</source>
        <translation>Mengatur waktu maksimum close-up siswa yang berdiri.</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Panorama kecil</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Kembali ke panorama 0</translation>
    </message>
    <message>
        <source>设置多个学生目标起立后的跟踪动作</source>
        <translation>Mengatur aksi pelacakan saat beberapa siswa berdiri.</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Deteksi wajah</translation>
    </message>
    <message>
        <source>表示摄像机将通过人脸检测来判定跟踪目标是否需要给特写画面</source>
        <translation>Kamera memakai deteksi wajah untuk menentukan apakah target perlu di-close-up.</translation>
    </message>
    <message>
        <source>Call Presets</source>
        <translation>Panggil Preset</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Strategi Sutradara</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>Sutradara Eksternal: kamera (kamera papan tulis, siswa, dan guru) mengirim kode status pelacakan ke host sutradara, yang menganalisis status pelacakan untuk mengganti keluaran video.
Contoh: Guru diam, ff 01 00 00 00 12, hanya berarti ada guru yang diam di area pelacakan; saat host sutradara beralih untuk pelacakan guru, status pelacakan kamera papan tulis dan siswa tetap harus diperhitungkan.

Sutradara Internal: kamera (kamera guru) mengirim kode peralihan pelacakan ke host sutradara, yang langsung mengganti keluaran video begitu menerima kode peralihan.
Contoh: Close-up siswa, ff 33 33, langsung mengalihkan keluaran video ke close-up siswa.</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>Sutradara Eksternal</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Guru</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>Di podium</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Guru diam</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Guru bergerak</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Turun dari podium</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Banyak target</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Siswa</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Siswa berdiri</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Close-up siap</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Siswa duduk</translation>
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
        <translation> Papan Tulis</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Ada aktivitas</translation>
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
        <translation>Sutradara Internal</translation>
    </message>
    <message>
        <source>Director Code(Only Teacher Camera)</source>
        <translation>Kode Sutradara (Hanya Kamera Guru)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Panorama guru</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 01 02 ff</source>
        <translation>80 01 0e 26 5b 01 02 ff</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Close-up guru</translation>
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
        <translation>Close-up siswa</translation>
    </message>
    <message>
        <source>80 01 0e 26 5b 02 01 ff</source>
        <translation>80 01 0e 26 5b 02 01 ff</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Papan tulis</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Papan 1</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Papan 2</translation>
    </message>
    <message>
        <source>Director Server Address</source>
        <translation>Alamat Server Direktur</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation>127.0.0.1</translation>
    </message>
    <message>
        <source>Director Server Port</source>
        <translation>Port Server Direktur</translation>
    </message>
    <message>
        <source>9999</source>
        <translation>9999</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
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
        <translation>Jenis Perintah</translation>
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
        <translation>Mode Kirim Kode Sutradara</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Sekali</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tiga kali</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Terus-menerus</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Ganti ke otomatis</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Ganti ke manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Exit wizard</source>
        <translation>Keluar wizard</translation>
    </message>
    <message>
        <source>Guide Finish</source>
        <translation>Selesaikan Wizard</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Silakan hubungkan kamera</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Silakan hubungkan kamera panorama guru</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Silakan hubungkan kamera panorama siswa</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Pemotongan panorama telah diaktifkan</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Jenis koneksi tidak cocok</translation>
    </message>
    <message>
        <source>TeacherIP</source>
        <translation>IP Guru</translation>
    </message>
    <message>
        <source>StudentIP</source>
        <translation>IP Siswa</translation>
    </message>
    <message>
        <source>It is detected that all input boxes are empty!</source>
        <translation>Semua kotak isian terdeteksi kosong!</translation>
    </message>
    <message>
        <source>Network information error detected!</source>
        <translation>Terdeteksi kesalahan informasi jaringan!</translation>
    </message>
    <message>
        <source>The input IP timeout is detected, and the connection may fail!</source>
        <translation>IP yang dimasukkan tidak menjawab tepat waktu, koneksi mungkin gagal!</translation>
    </message>
    <message>
        <source>information</source>
        <translation>informasi</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Format perintah salah</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Manajer Perangkat</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Direktur</translation>
    </message>
    <message>
        <source>Config steps</source>
        <translation>Langkah konfigurasi</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Config is complete. Do you want to go to the home page now?</source>
        <translation>Konfigurasi selesai. Buka halaman utama sekarang?</translation>
    </message>
    <message>
        <source>Exiting the wizard configuration,other operations will be interrupted!</source>
        <translation>Keluar dari konfigurasi wizard, operasi lain akan dihentikan!</translation>
    </message>
    <message>
        <source>输入为空!</source>
        <translation>Isian kosong!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Putuskan</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Waktu koneksi habis</translation>
    </message>
    <message>
        <source>RTSP Connection Error</source>
        <translation>Kesalahan Koneksi RTSP</translation>
    </message>
    <message>
        <source>RTSP authentication failed. Please check if authentication is enabled on the web or other exceptions!</source>
        <translation>Autentikasi RTSP gagal. Periksa apakah autentikasi diaktifkan di web atau ada gangguan lain!</translation>
    </message>
    <message>
        <source>No blackboard or screen was found in the picture. The regions stay as they were.</source>
        <translation>Tidak ada papan tulis atau layar yang ditemukan pada gambar. Area tetap seperti semula.</translation>
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
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorama</translation>
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
        <translation>Guru</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Siswa</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Papan Tulis</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Sutradara</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Perbarui</translation>
    </message>
    <message>
        <source>Wizard Config</source>
        <translation>Panduan Pengaturan</translation>
    </message>
    <message>
        <source>Recorder Map Config</source>
        <translation>Pemetaan Perekam</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Corvane V3.0.1</source>
        <translation>Corvane V3.0.1</translation>
    </message>
    <message>
        <source>Obtain</source>
        <translation>Ambil</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Feature IP</source>
        <translation>IP Close-up</translation>
    </message>
    <message>
        <source>192.168.1.100</source>
        <translation>192.168.1.100</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Hubungkan</translation>
    </message>
    <message>
        <source>Pano IP</source>
        <translation>IP Panorama</translation>
    </message>
    <message>
        <source>192.168.1.101</source>
        <translation>192.168.1.101</translation>
    </message>
    <message>
        <source>Start Track</source>
        <translation>Mulai Lacak</translation>
    </message>
    <message>
        <source>Stop Track</source>
        <translation>Henti Lacak</translation>
    </message>
    <message>
        <source>Set Preset</source>
        <translation>Atur Preset</translation>
    </message>
    <message>
        <source>Call Preset</source>
        <translation>Panggil Preset</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Perkecil</translation>
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
        <translation>Awal</translation>
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
p
e
r
l
u
a
s
&gt;</translation>
    </message>
    <message>
        <source>Region Settings</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Lihat</translation>
    </message>
    <message>
        <source>
1: Select the tracking area, the mouse stays in the tracking area, 
and the size of the tracking area can be adjusted after getting the focus. 
This item is mandatory, and it can only be modified and adjusted without deleting;</source>
        <translation>
1: Pilih area pelacakan; arahkan mouse ke area tersebut, 
setelah area terfokus ukurannya dapat diubah. 
Area ini wajib ada: hanya dapat diubah dan disesuaikan, tidak dapat dihapus;</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Lacak</translation>
    </message>
    <message>
        <source>
1: Select the snapshot area, if it is not drawn, draw the area that needs to be a snapshot in the image, 
if you need to adjust again after drawing, you can drag or select the anchor point to fine-tune;
2: To remove the snapshot area, click the [Clear Snapshot Area] button on the right and apply</source>
        <translation>
1: Pilih area cuplikan; jika belum digambar, gambar area yang akan dijadikan cuplikan pada gambar, 
jika perlu disesuaikan lagi setelah digambar, seret atau pilih titik jangkar untuk menyempurnakannya;
2: Untuk menghapus area cuplikan, klik tombol [Hapus Cuplikan] di sebelah kanan lalu terapkan</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Cuplikan</translation>
    </message>
    <message>
        <source>
1:Select the blackboard area, if the left, middle, and right have been drawn, the focus will stay on the left blackboard by default, 
and the middle and right blackboard cannot be focused and modified. If you need to modify one of the left, 
middle, and right items, cancel the check and then redraw or modify and adjust;</source>
        <translation>
1: Pilih area papan tulis; jika kiri, tengah, dan kanan sudah digambar, fokus secara bawaan ada di papan kiri, 
dan papan tengah serta kanan tidak dapat difokuskan dan diubah. Jika perlu mengubah salah satu dari kiri, 
tengah, atau kanan, hapus centangnya lalu gambar ulang atau ubah dan sesuaikan;</translation>
    </message>
    <message>
        <source>Board  </source>
        <translation>Papan  </translation>
    </message>
    <message>
        <source>
1:Select the shielded area, if the shielded area 1234 has been drawn, 
the focus will stay in the shielded area 1 by default, if you need to modify one of 1234, 
cancel the check and then redraw or modify the adjustment;</source>
        <translation>
1: Pilih area blokir; jika area blokir 1234 sudah digambar, 
fokus secara bawaan ada di area 1; jika perlu mengubah salah satu dari 1234, 
hapus centangnya lalu gambar ulang atau ubah penyesuaiannya;</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Blokir</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Tengah</translation>
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
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Mengambang</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Tanpa orang</translation>
    </message>
    <message>
        <source>AI Detection</source>
        <translation>Deteksi AI</translation>
    </message>
    <message>
        <source>ClearSnapshot</source>
        <translation>Hapus Cuplikan</translation>
    </message>
    <message>
        <source>Auto DET Track</source>
        <translation>Deteksi Otomatis Area Lacak</translation>
    </message>
    <message>
        <source>Navigate Key Action</source>
        <translation>Fungsi Tombol Arah</translation>
    </message>
    <message>
        <source>PTZ mode</source>
        <translation>Mode PTZ</translation>
    </message>
    <message>
        <source>Menu mode</source>
        <translation>Mode Menu</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu OSD</translation>
    </message>
    <message>
        <source>Param Backup</source>
        <translation>Cadangan Parameter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Ekspor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Info Versi</translation>
    </message>
    <message>
        <source>Feature Info:</source>
        <translation>Close-up:</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Pano Info:</source>
        <translation>Panorama:</translation>
    </message>
    <message>
        <source>Target Lost Action</source>
        <translation>Saat Target Hilang</translation>
    </message>
    <message>
        <source>None action</source>
        <translation>Tanpa tindakan</translation>
    </message>
    <message>
        <source>Student pano</source>
        <translation>Panorama siswa</translation>
    </message>
    <message>
        <source>Pano(Preset 0)</source>
        <translation>Panorama (Preset 0)</translation>
    </message>
    <message>
        <source>Platform(Preset 1)</source>
        <translation>Podium (Preset 1)</translation>
    </message>
    <message>
        <source>Hold Times: </source>
        <translation>Kali tahan: </translation>
    </message>
    <message>
        <source>Timeout: </source>
        <translation>Batas: </translation>
    </message>
    <message>
        <source>Multi Objective Action</source>
        <translation>Banyak Target</translation>
    </message>
    <message>
        <source>track current object</source>
        <translation>lacak target saat ini</translation>
    </message>
    <message>
        <source>Return pano</source>
        <translation>Kembali ke panorama</translation>
    </message>
    <message>
        <source>PTZ Speed</source>
        <translation>Kecepatan PTZ</translation>
    </message>
    <message>
        <source>PTZ Speed Level</source>
        <translation>Level kecepatan</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Tips:only three presets mode valid</source>
        <translation>Tips: hanya berlaku di mode tiga preset</translation>
    </message>
    <message>
        <source>Pano Lens Pos Calibration</source>
        <translation>Kalibrasi Posisi Lensa</translation>
    </message>
    <message>
        <source>Show calibration cross</source>
        <translation>Tampilkan silang kalibrasi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrasi</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Kalibrasi Otomatis</translation>
    </message>
    <message>
        <source>Pano Focus Mode</source>
        <translation>Mode Fokus Panorama</translation>
    </message>
    <message>
        <source>Manual Mode</source>
        <translation>Mode manual</translation>
    </message>
    <message>
        <source>Auto Mode</source>
        <translation>Mode otomatis</translation>
    </message>
    <message>
        <source>换向补偿</source>
        <translation>Kompensasi Backlash</translation>
    </message>
    <message>
        <source>垂直换向补偿</source>
        <translation>Backlash Tilt</translation>
    </message>
    <message>
        <source>水平换向补偿</source>
        <translation>Backlash Pan</translation>
    </message>
    <message>
        <source>Track Settings</source>
        <translation>Pengaturan Lacak</translation>
    </message>
    <message>
        <source>Start track</source>
        <translation>Lacak saat menyala</translation>
    </message>
    <message>
        <source>Disable AF when tracking</source>
        <translation>Nonaktifkan AF saat melacak</translation>
    </message>
    <message>
        <source>Height Adaptation</source>
        <translation>Adaptasi tinggi</translation>
    </message>
    <message>
        <source>Feature realtime tracking</source>
        <translation>Lacak close-up waktu nyata</translation>
    </message>
    <message>
        <source>PersonTrack</source>
        <translation>Lacak orang</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Persontrack</source>
        <translation>Lacak orang</translation>
    </message>
    <message>
        <source>Teacher Board Settings</source>
        <translation>Papan Tulis Guru</translation>
    </message>
    <message>
        <source>Board Enabled</source>
        <translation>Papan aktif</translation>
    </message>
    <message>
        <source>Board Face Enabled</source>
        <translation>Deteksi hadap papan</translation>
    </message>
    <message>
        <source>Board Hand Enabled</source>
        <translation>Deteksi tangan di papan</translation>
    </message>
    <message>
        <source>Detect Time: </source>
        <translation>Deteksi: </translation>
    </message>
    <message>
        <source>Hold Time: </source>
        <translation>Tahan: </translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Lose Time: </source>
        <translation>Hilang: </translation>
    </message>
    <message>
        <source>Space Time: </source>
        <translation>Jeda: </translation>
    </message>
    <message>
        <source>S</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Mode Lacak</translation>
    </message>
    <message>
        <source>Three Presets Mode</source>
        <translation>Mode tiga preset</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Mode ikuti</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Mode binokular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mode campuran</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Mode panorama papan</translation>
    </message>
    <message>
        <source>Lectern Mode</source>
        <translation>Mode mimbar</translation>
    </message>
    <message>
        <source>Num 0 : Pano</source>
        <translation>0: Panorama</translation>
    </message>
    <message>
        <source>Num 1 : Paltform</source>
        <translation>1: Podium</translation>
    </message>
    <message>
        <source>Num 2 : Left Board</source>
        <translation>2: Papan Kiri</translation>
    </message>
    <message>
        <source>Num 3 : Right Board</source>
        <translation>3: Papan Kanan</translation>
    </message>
    <message>
        <source>Num 60 : Pano Crop</source>
        <translation>60: Potong Pano</translation>
    </message>
    <message>
        <source>Preset List</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>1.0x</source>
        <translation>1.0x</translation>
    </message>
    <message>
        <source>Auto Board Pano</source>
        <translation>Auto Pan. Papan</translation>
    </message>
    <message>
        <source>Auto Platform</source>
        <translation>Auto Podium</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Pengaturan Dasar</translation>
    </message>
    <message>
        <source>Sensitivity: </source>
        <translation>Sensitivitas: </translation>
    </message>
    <message>
        <source>L</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>H</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Fea Distance: </source>
        <translation>Jarak close-up: </translation>
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
        <translation>Jarak panorama: </translation>
    </message>
    <message>
        <source>Pan offset: </source>
        <translation>Ofset pan: </translation>
    </message>
    <message>
        <source>L </source>
        <translation>Ki </translation>
    </message>
    <message>
        <source>R</source>
        <translation>Ka</translation>
    </message>
    <message>
        <source>Tilt offset: </source>
        <translation>Ofset tilt: </translation>
    </message>
    <message>
        <source>D</source>
        <translation>B</translation>
    </message>
    <message>
        <source>U</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Lectern Mode Configs</source>
        <translation>Pengaturan Mode Mimbar</translation>
    </message>
    <message>
        <source>Tracking Start Postion</source>
        <translation>Posisi awal pelacakan</translation>
    </message>
    <message>
        <source>Current Location</source>
        <translation>Posisi saat ini</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preset No. 1</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>Zoom otomatis</translation>
    </message>
    <message>
        <source>Auto Tilt</source>
        <translation>Tilt otomatis</translation>
    </message>
    <message>
        <source>Target Retention Time</source>
        <translation>Waktu retensi target</translation>
    </message>
    <message>
        <source>Person Size</source>
        <translation>Ukuran orang</translation>
    </message>
    <message>
        <source>Full body</source>
        <translation>Penuh</translation>
    </message>
    <message>
        <source>Half body</source>
        <translation>Setengah</translation>
    </message>
    <message>
        <source>Close up</source>
        <translation>Close-up</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>Director Server Configs</source>
        <translation>Server Sutradara</translation>
    </message>
    <message>
        <source>Director Server Toggle</source>
        <translation>Server sutradara</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Nyala</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>IP Address </source>
        <translation>Alamat IP </translation>
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
        <translation>Durasi di luar podium</translation>
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
        <translation>Area siswa</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Seating Area</source>
        <translation>Area duduk</translation>
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
        <translation>Area kalibrasi</translation>
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
        <translation>Ukuran: </translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>Camera Height: </source>
        <translation>Tinggi kamera: </translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Mode Menu</translation>
    </message>
    <message>
        <source>Pano switch</source>
        <translation>Ganti ke panorama</translation>
    </message>
    <message>
        <source>Face detect</source>
        <translation>Deteksi wajah</translation>
    </message>
    <message>
        <source>Panorama cropping has been suspended</source>
        <translation>Pemotongan panorama dijeda</translation>
    </message>
    <message>
        <source>Pano Config</source>
        <translation>Konfigurasi Panorama</translation>
    </message>
    <message>
        <source>PTZ Pano Detect</source>
        <translation>Deteksi panorama PTZ</translation>
    </message>
    <message>
        <source>Pano 0(Preset 0)</source>
        <translation>Panorama 0 (Preset 0)</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>Small pano</source>
        <translation>Panorama kecil</translation>
    </message>
    <message>
        <source>Return pano 0</source>
        <translation>Kembali ke panorama 0</translation>
    </message>
    <message>
        <source>Feature Continue Time</source>
        <translation>Durasi Close-up</translation>
    </message>
    <message>
        <source>Continue Time(S)</source>
        <translation>Durasi (d)</translation>
    </message>
    <message>
        <source>Feature To Pano Delay</source>
        <translation>Jeda ke Panorama</translation>
    </message>
    <message>
        <source>PanoDelay</source>
        <translation>Jeda pano</translation>
    </message>
    <message>
        <source>PTZ Mode</source>
        <translation>Mode PTZ</translation>
    </message>
    <message>
        <source>EPTZ</source>
        <translation>EPTZ</translation>
    </message>
    <message>
        <source>Cutout</source>
        <translation>Potongan</translation>
    </message>
    <message>
        <source>Set Board 0(Preset 0)</source>
        <translation>Atur Papan 0(Preset 0)</translation>
    </message>
    <message>
        <source>Call Board 0(Preset 0)</source>
        <translation>Panggil Papan 0(Preset 0)</translation>
    </message>
    <message>
        <source>Set Board 1(Preset 1)</source>
        <translation>Atur Papan 1(Preset 1)</translation>
    </message>
    <message>
        <source>Call Board 1(Preset 1)</source>
        <translation>Panggil Papan 1(Preset 1)</translation>
    </message>
    <message>
        <source>Set Pano (Preset 2)</source>
        <translation>Atur Pano(Preset 2)</translation>
    </message>
    <message>
        <source>Call Pano (Preset 2)</source>
        <translation>Panggil Pano(Preset 2)</translation>
    </message>
    <message>
        <source>Board 2</source>
        <translation>Papan 2</translation>
    </message>
    <message>
        <source>192.168.1.166</source>
        <translation>192.168.1.166</translation>
    </message>
    <message>
        <source>Board IP</source>
        <translation>IP Papan</translation>
    </message>
    <message>
        <source>192.168.1.165</source>
        <translation>192.168.1.165</translation>
    </message>
    <message>
        <source>Lost timeout: </source>
        <translation>Batas hilang: </translation>
    </message>
    <message>
        <source>Blackboard Enable</source>
        <translation>Aktifkan Papan Tulis</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Enable 2</source>
        <translation>Aktifkan 2</translation>
    </message>
    <message>
        <source>Board Info:</source>
        <translation>Papan:</translation>
    </message>
    <message>
        <source>Detect Info:</source>
        <translation>Deteksi:</translation>
    </message>
    <message>
        <source>Multi Board Action</source>
        <translation>Banyak Papan</translation>
    </message>
    <message>
        <source>Board 0(Preset 0)</source>
        <translation>Papan 0 (Preset 0)</translation>
    </message>
    <message>
        <source>Board 1(Preset 1)</source>
        <translation>Papan 1 (Preset 1)</translation>
    </message>
    <message>
        <source>Lost Board Action</source>
        <translation>Saat Papan Hilang</translation>
    </message>
    <message>
        <source>BoardLostDelay</source>
        <translation>Jeda hilang</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Pengaturan Komunikasi</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP Guru</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP Siswa</translation>
    </message>
    <message>
        <source>8791</source>
        <translation>8791</translation>
    </message>
    <message>
        <source>Using UART</source>
        <translation>Pakai UART</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
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
        <translation>Jenis Perintah</translation>
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
        <translation>Server Sutradara</translation>
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
        <translation>Sakelar Pelacakan</translation>
    </message>
    <message>
        <source>Switch Auto</source>
        <translation>Ganti ke otomatis</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 01</source>
        <translation>FF 00 00 00 00 01</translation>
    </message>
    <message>
        <source>Switch Manual</source>
        <translation>Ganti ke manual</translation>
    </message>
    <message>
        <source>FF 00 00 00 00 02</source>
        <translation>FF 00 00 00 00 02</translation>
    </message>
    <message>
        <source>Director Code Send Mode</source>
        <translation>Mode Kirim Kode Sutradara</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Sekali</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tiga kali</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Terus-menerus</translation>
    </message>
    <message>
        <source>Director Strategy</source>
        <translation>Strategi Sutradara</translation>
    </message>
    <message>
        <source>External Director</source>
        <translation>Sutradara Eksternal</translation>
    </message>
    <message>
        <source>Interior Director</source>
        <translation>Sutradara Internal</translation>
    </message>
    <message>
        <source>On the platform</source>
        <translation>Di podium</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 11</source>
        <translation>FF 01 00 00 00 11</translation>
    </message>
    <message>
        <source>Teacher still</source>
        <translation>Guru diam</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 12</source>
        <translation>FF 01 00 00 00 12</translation>
    </message>
    <message>
        <source>Teacher moving</source>
        <translation>Guru bergerak</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 13</source>
        <translation>FF 01 00 00 00 13</translation>
    </message>
    <message>
        <source>Under the platform</source>
        <translation>Turun dari podium</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 14</source>
        <translation>FF 01 00 00 00 14</translation>
    </message>
    <message>
        <source>Multi objective</source>
        <translation>Banyak target</translation>
    </message>
    <message>
        <source>FF 01 00 00 00 15</source>
        <translation>FF 01 00 00 00 15</translation>
    </message>
    <message>
        <source>Student stood up</source>
        <translation>Siswa berdiri</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 21</source>
        <translation>FF 02 00 00 00 21</translation>
    </message>
    <message>
        <source>Feature in place</source>
        <translation>Close-up siap</translation>
    </message>
    <message>
        <source>FF 02 00 00 00 22</source>
        <translation>FF 02 00 00 00 22</translation>
    </message>
    <message>
        <source>Student sat down</source>
        <translation>Siswa duduk</translation>
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
        <translation> Papan Tulis</translation>
    </message>
    <message>
        <source>Have action</source>
        <translation>Ada aktivitas</translation>
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
        <translation>Kode Sutradara (Hanya Kamera Guru)</translation>
    </message>
    <message>
        <source>Teacher pano</source>
        <translation>Panorama guru</translation>
    </message>
    <message>
        <source>FF 11 11</source>
        <translation>FF 11 11</translation>
    </message>
    <message>
        <source>Teacher feature</source>
        <translation>Close-up guru</translation>
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
        <translation>Close-up siswa</translation>
    </message>
    <message>
        <source>FF 44 44</source>
        <translation>FF 44 44</translation>
    </message>
    <message>
        <source>Blackboard</source>
        <translation>Papan tulis</translation>
    </message>
    <message>
        <source>FF 55 55</source>
        <translation>FF 55 55</translation>
    </message>
    <message>
        <source>Board1</source>
        <translation>Papan 1</translation>
    </message>
    <message>
        <source>FF 55 56</source>
        <translation>FF 55 56</translation>
    </message>
    <message>
        <source>Board2</source>
        <translation>Papan 2</translation>
    </message>
    <message>
        <source>FF 55 57</source>
        <translation>FF 55 57</translation>
    </message>
    <message>
        <source>Min Switch Time</source>
        <translation>Waktu ganti min.</translation>
    </message>
    <message>
        <source>(Except for the student pano)</source>
        <translation>(Kecuali panorama siswa)</translation>
    </message>
    <message>
        <source>DirTest</source>
        <translation>Uji Sutradara</translation>
    </message>
    <message>
        <source>Manual Director</source>
        <translation>Sutradara Manual</translation>
    </message>
    <message>
        <source>DirectorInterval Setings</source>
        <translation>Interval Sutradara</translation>
    </message>
    <message>
        <source>KeepInterval</source>
        <translation>Interval tetap</translation>
    </message>
    <message>
        <source>MovingInterval</source>
        <translation>Interval gerak</translation>
    </message>
    <message>
        <source>MultiInterval</source>
        <translation>Interval multi</translation>
    </message>
    <message>
        <source>外部导播：摄像机（板书机、学生机、教师机）发送跟踪状态码到导播主机，导播主机分析跟踪状态来做出导播视频输出的切换动作。
例：教师静止ff 01 00 00 00 12，仅说明当前有教师在跟踪区域静止，导播主机切换教师跟踪动作时，仍需要考虑板书机和学生机的跟踪状态。

内部导播：摄像机（教师机）发送跟踪切换码到导播主机，导播主机收到切换码后即可执行导播视频输出的切换动作。
例：学生特写ff 33 33，导播视频输出直接切换学生特写。</source>
        <translation>Sutradara Eksternal: kamera (kamera papan tulis, siswa, dan guru) mengirim kode status pelacakan ke host sutradara, yang menganalisis status pelacakan untuk mengganti keluaran video.
Contoh: Guru diam, ff 01 00 00 00 12, hanya berarti ada guru yang diam di area pelacakan; saat host sutradara beralih untuk pelacakan guru, status pelacakan kamera papan tulis dan siswa tetap harus diperhitungkan.

Sutradara Internal: kamera (kamera guru) mengirim kode peralihan pelacakan ke host sutradara, yang langsung mengganti keluaran video begitu menerima kode peralihan.
Contoh: Close-up siswa, ff 33 33, langsung mengalihkan keluaran video ke close-up siswa.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Devices：</source>
        <translation>Perangkat:</translation>
    </message>
    <message>
        <source>Host net</source>
        <translation>Jaringan host</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>NetMask</source>
        <translation>Subnet</translation>
    </message>
    <message>
        <source>GateWay</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Waktu aktif</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Model perangkat</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Alamat MAC</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID perangkat</translation>
    </message>
    <message>
        <source>First DNS</source>
        <translation>DNS utama</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>192.168.1.188</source>
        <translation>192.168.1.188</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Kueri</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Muat berkas</translation>
    </message>
    <message>
        <source>disconnect</source>
        <translation>terputus</translation>
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
        <translation>Konfigurasi</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode IP</translation>
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
        <translation>Atur</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cadangkan</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>File Path </source>
        <translation>Jalur berkas </translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>Backup File </source>
        <translation>Nama berkas </translation>
    </message>
    <message>
        <source>Backup Status </source>
        <translation>Status </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ATAS</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>KIRI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>KANAN</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAWAH</translation>
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
        <translation>Pemetaan port</translation>
    </message>
    <message>
        <source>Recorder Host IP</source>
        <translation>IP host perekam</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>username</source>
        <translation>username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>wobentri</source>
        <translation>wobentri</translation>
    </message>
    <message>
        <source>IP/Port Settings</source>
        <translation>Pengaturan IP/Port</translation>
    </message>
    <message>
        <source>TeacherMachine</source>
        <translation>Mesin Guru</translation>
    </message>
    <message>
        <source>StudentMachine</source>
        <translation>Mesin Siswa</translation>
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
        <translation>Port komunikasi</translation>
    </message>
    <message>
        <source>TeacherMapped port</source>
        <translation>Port petaan guru</translation>
    </message>
    <message>
        <source>StudentMapped port</source>
        <translation>Port petaan siswa</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>Port RTSP</translation>
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
        <translation>Port VISCA</translation>
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
        <translation>Port UDP</translation>
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
        <translation>Port TCP</translation>
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
        <translation>Port cadangan</translation>
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
        <translation>Port pencarian</translation>
    </message>
    <message>
        <source>8005</source>
        <translation>8005</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Tampilkan lainnya</translation>
    </message>
    <message>
        <source>Camera Selection</source>
        <translation>Pilihan kamera</translation>
    </message>
    <message>
        <source>2 Cameras</source>
        <translation>2 Kamera</translation>
    </message>
    <message>
        <source>4 Cameras</source>
        <translation>4 Kamera</translation>
    </message>
    <message>
        <source>5 Cameras</source>
        <translation>5 Kamera</translation>
    </message>
    <message>
        <source>6 Cameras</source>
        <translation>6 Kamera</translation>
    </message>
    <message>
        <source>Note: ①The number of cameras is different, some non-corresponding functions are disabled by default; ②The blackboard terminal is only displayed in five/six cameras;</source>
        <translation>Catatan: ① Sesuai jumlah kamera, fungsi yang tidak sesuai dinonaktifkan secara bawaan; ② Tab papan tulis hanya ditampilkan pada lima/enam kamera;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
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
        <translation>Ganti Konfigurasi Pelacakan</translation>
    </message>
    <message>
        <source>Tracking Config 1</source>
        <translation>Konfigurasi pelacakan 1</translation>
    </message>
    <message>
        <source>Tracking Config 2</source>
        <translation>Konfigurasi pelacakan 2</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Dekoder</translation>
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
        <translation>Masukkan</translation>
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
        <translation>KEMBALI</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Num 1 : Left Board</source>
        <translation>1: Papan Kiri</translation>
    </message>
    <message>
        <source>Num 2 : Center Board</source>
        <translation>2: Papan Tengah</translation>
    </message>
    <message>
        <source>Num 11 : Board Pano</source>
        <translation>11: Pano Papan</translation>
    </message>
    <message>
        <source>&lt;
f
o
l
d
&lt;</source>
        <translation>&lt;
l
i
p
a
t
&lt;</translation>
    </message>
    <message>
        <source>Apply(*)</source>
        <translation>Terapkan(*)</translation>
    </message>
    <message>
        <source>Board 1</source>
        <translation>Papan 1</translation>
    </message>
    <message>
        <source>Enable 1</source>
        <translation>Aktifkan 1</translation>
    </message>
    <message>
        <source>exist</source>
        <translation>ada</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Tentang Corvane</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Port modification, other operations will be interrupted!</source>
        <translation>Perubahan port akan menghentikan operasi lain!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Username and password cannot be empty!</source>
        <translation>Nama pengguna dan kata sandi tidak boleh kosong!</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Informasi jaringan salah diisi</translation>
    </message>
    <message>
        <source>Port fill in error: &quot;%1&quot; is not a port from 1 to 65535</source>
        <translation>Port salah diisi: &quot;%1&quot; bukan port antara 1 dan 65535</translation>
    </message>
    <message>
        <source>Failed to save the port forwarding settings to %1</source>
        <translation>Gagal menyimpan pengaturan penerusan port ke %1</translation>
    </message>
    <message>
        <source>Port forwarding script opened successfully</source>
        <translation>Skrip penerusan port berhasil dijalankan</translation>
    </message>
    <message>
        <source>Port forwarding script not found: %1</source>
        <translation>Skrip penerusan port tidak ditemukan: %1</translation>
    </message>
    <message>
        <source>Failed to enable port forwarding script</source>
        <translation>Gagal menjalankan skrip penerusan port</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Silakan hubungkan kamera</translation>
    </message>
    <message>
        <source>information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Command format error</source>
        <translation>Format perintah salah</translation>
    </message>
    <message>
        <source>Panorama cropping has been enabled</source>
        <translation>Pemotongan panorama telah diaktifkan</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Jenis koneksi tidak cocok</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Waktu koneksi habis</translation>
    </message>
    <message>
        <source>Connection failure</source>
        <translation>Koneksi gagal</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Putuskan</translation>
    </message>
    <message>
        <source>Please connect the teacher pano camera</source>
        <translation>Silakan hubungkan kamera panorama guru</translation>
    </message>
    <message>
        <source>Please connect the student pano camera</source>
        <translation>Silakan hubungkan kamera panorama siswa</translation>
    </message>
    <message>
        <source>Failed to get config, please reconnect or click Get button to get config!</source>
        <translation>Gagal mengambil konfigurasi, hubungkan kembali atau klik tombol Ambil untuk mengambil konfigurasi!</translation>
    </message>
    <message>
        <source>tracking configuration get failed, please try disconnecting and reconnecting</source>
        <translation>Gagal mengambil konfigurasi pelacakan, coba putuskan lalu hubungkan kembali</translation>
    </message>
    <message>
        <source>teacher obtain fail</source>
        <translation>Gagal mengambil pengaturan guru</translation>
    </message>
    <message>
        <source>Nothing will be executed!</source>
        <translation>Tidak ada yang akan dijalankan!</translation>
    </message>
    <message>
        <source>teacher obtain success</source>
        <translation>Pengaturan guru berhasil diambil</translation>
    </message>
    <message>
        <source>teacher apply fail</source>
        <translation>Gagal menerapkan pengaturan guru</translation>
    </message>
    <message>
        <source>teacher apply success</source>
        <translation>Pengaturan guru berhasil diterapkan</translation>
    </message>
    <message>
        <source>student obtain fail</source>
        <translation>Gagal mengambil pengaturan siswa</translation>
    </message>
    <message>
        <source>student obtain success</source>
        <translation>Pengaturan siswa berhasil diambil</translation>
    </message>
    <message>
        <source>student apply fail</source>
        <translation>Gagal menerapkan pengaturan siswa</translation>
    </message>
    <message>
        <source>student apply success</source>
        <translation>Pengaturan siswa berhasil diterapkan</translation>
    </message>
    <message>
        <source>Enter the wizard configuration,other operations will be interrupted!</source>
        <translation>Masuk ke konfigurasi wizard, operasi lain akan dihentikan!</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Yakin ingin keluar?</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The previous file is kept, without the changes made since.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>Pengaturan tidak dapat ditulis ke %1. Berkas sebelumnya tetap ada, tanpa perubahan sejak itu.
Tetap keluar (OK) atau tetap di sini dengan kamera terhubung (Cancel)?</translation>
    </message>
    <message>
        <source>The director port and address cannot be empty!</source>
        <translation>Port dan alamat director tidak boleh kosong!</translation>
    </message>
    <message>
        <source>Unable to update tracking configurations, do you want to stop tracking?</source>
        <translation>Konfigurasi pelacakan tidak dapat diperbarui, hentikan pelacakan?</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: %2.
The temporary folder must exist, be writable and have free space.</source>
        <translation>File kunci %1 tidak dapat dibuat: %2.
Folder sementara harus ada, dapat ditulis, dan memiliki ruang kosong.</translation>
    </message>
    <message>
        <source>No detection model was found at %1. Copy the model there and restart the program to use the AI detection.</source>
        <translation>Model deteksi tidak ditemukan di %1. Salin model ke sana dan mulai ulang program untuk memakai deteksi AI.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default settings.</source>
        <translation>File pengaturan %1 tidak dapat dibaca. File dipindahkan ke %2, dan alat dimulai dengan pengaturan bawaan.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, and it cannot be moved aside: %2.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>File pengaturan %1 tidak dapat dibaca dan tidak dapat dipindahkan: %2.
File dibiarkan apa adanya, alat dimulai dengan pengaturan bawaan, dan pengaturan tidak dapat disimpan sampai file itu dihapus.</translation>
    </message>
    <message>
        <source>The reversal compensation stopped: no usable picture of the close-up camera was taken. Nothing was written to the camera.</source>
        <translation>Kompensasi pembalikan dihentikan: tidak ada gambar kamera close-up yang dapat dipakai. Tidak ada yang ditulis ke kamera.</translation>
    </message>
    <message>
        <source>The reversal compensation could not tell whether the picture moved: the close-up camera&apos;s picture shows too few details. Nothing was written to the camera.</source>
        <translation>Kompensasi pembalikan tidak dapat menentukan apakah gambar bergerak: gambar kamera close-up terlalu sedikit detailnya. Tidak ada yang ditulis ke kamera.</translation>
    </message>
    <message>
        <source>Automatic calibration failed</source>
        <translation>Kalibrasi otomatis gagal</translation>
    </message>
    <message>
        <source>The detection model %1 could not be loaded: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>Model deteksi %1 tidak dapat dimuat: %2. Ganti model itu dan mulai ulang program untuk memakai deteksi AI.</translation>
    </message>
    <message>
        <source>The class list %1 could not be read: %2. Replace it and restart the program to use the AI detection.</source>
        <translation>Daftar kelas %1 tidak dapat dibaca: %2. Ganti daftar itu dan mulai ulang program untuk memakai deteksi AI.</translation>
    </message>
    <message>
        <source>The detection model %1 could not be run: %2. The regions were left as they were.</source>
        <translation>Model deteksi %1 tidak dapat dijalankan: %2. Area dibiarkan seperti semula.</translation>
    </message>
    <message>
        <source>The detection model %1 does not fit the class list %2: %3. The regions were left as they were.</source>
        <translation>Model deteksi %1 tidak cocok dengan daftar kelas %2: %3. Area dibiarkan seperti semula.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It was moved to %4, and the tool starts from the default settings.</source>
        <translation>File pengaturan %1 terpotong: kunci yang ditulis setiap kali menyimpan tidak ada (%2 seluruhnya: %3). File dipindahkan ke %4, dan alat dimulai dengan pengaturan bawaan.</translation>
    </message>
    <message>
        <source>The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). It cannot be moved aside: %4.
It is kept as it is, the tool starts from the default settings, and settings cannot be saved until it is removed.</source>
        <translation>File pengaturan %1 terpotong: kunci yang ditulis setiap kali menyimpan tidak ada (%2 seluruhnya: %3). File tidak dapat dipindahkan: %4.
File disimpan apa adanya, alat dimulai dengan pengaturan bawaan, dan pengaturan tidak dapat disimpan sampai file itu dihapus.</translation>
    </message>
    <message>
        <source>The settings were not written: %1 could not be read at start, or was cut short, and could not be moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save the settings.
Leave anyway (OK) or stay with the cameras connected (Cancel)?</source>
        <translation>Pengaturan tidak ditulis: %1 tidak dapat dibaca saat mulai, atau terpotong, dan tidak dapat dipindahkan; file itu disimpan apa adanya agar isinya tidak hilang. Pindahkan atau hapus file itu untuk menyimpan pengaturan.
Tetap keluar (OK) atau tetap di sini dengan kamera terhubung (Batal)?</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist, so the lock file that keeps a second copy of the tool from starting cannot be created.
Create the folder, or set the temporary folder to one that exists.</source>
        <translation>Folder sementara %1 tidak ada, sehingga file kunci yang mencegah salinan kedua alat ini berjalan tidak dapat dibuat.
Buat folder tersebut, atau atur folder sementara ke folder yang ada.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created: a folder or something else that is not a file has that name.
Remove or rename it.</source>
        <translation>File kunci %1 tidak dapat dibuat: sebuah folder atau sesuatu yang bukan file memakai nama itu.
Hapus atau ganti namanya.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>The network information is incomplete</source>
        <translation>Informasi jaringan tidak lengkap</translation>
    </message>
    <message>
        <source>Please select backup file</source>
        <translation>Silakan pilih file cadangan</translation>
    </message>
    <message>
        <source>Not exist backup files</source>
        <translation>File cadangan tidak ada</translation>
    </message>
    <message>
        <source>File type does not match</source>
        <translation>Jenis file tidak cocok</translation>
    </message>
    <message>
        <source>connecting...</source>
        <translation>menghubungkan...</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>terhubung</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>waktu habis</translation>
    </message>
    <message>
        <source>waiting upgrade start</source>
        <translation>menunggu peningkatan dimulai</translation>
    </message>
    <message>
        <source>transmitting...</source>
        <translation>mengirim...</translation>
    </message>
    <message>
        <source>board is not enough disk space</source>
        <translation>ruang disk perangkat tidak cukup</translation>
    </message>
    <message>
        <source>receive file finish</source>
        <translation>penerimaan file selesai</translation>
    </message>
    <message>
        <source>file verify succeed upgradeing...</source>
        <translation>verifikasi file berhasil, sedang meningkatkan...</translation>
    </message>
    <message>
        <source>file verify fail reboot...</source>
        <translation>verifikasi file gagal, memulai ulang...</translation>
    </message>
    <message>
        <source>upgrade fail reboot...</source>
        <translation>peningkatan gagal, memulai ulang...</translation>
    </message>
    <message>
        <source>arm upgrade file not found reboot...</source>
        <translation>file peningkatan ARM tidak ditemukan, memulai ulang...</translation>
    </message>
    <message>
        <source>start backup</source>
        <translation>mulai pencadangan</translation>
    </message>
    <message>
        <source>start receive</source>
        <translation>mulai menerima</translation>
    </message>
    <message>
        <source>Backup Success</source>
        <translation>Pencadangan berhasil</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>pencadangan gagal</translation>
    </message>
    <message>
        <source>restoring...</source>
        <translation>memulihkan...</translation>
    </message>
    <message>
        <source>Restore failed reboot...</source>
        <translation>Pemulihan gagal, memulai ulang...</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Pemulihan berhasil</translation>
    </message>
    <message>
        <source>Upgrade Success</source>
        <translation>Peningkatan berhasil</translation>
    </message>
    <message>
        <source>Select Upgrade pack</source>
        <translation>Pilih paket peningkatan</translation>
    </message>
    <message>
        <source>Select Upgrade type</source>
        <translation>Pilih jenis peningkatan</translation>
    </message>
    <message>
        <source>Upgrade file type does not match</source>
        <translation>Jenis file peningkatan tidak cocok</translation>
    </message>
    <message>
        <source>Open file failed</source>
        <translation>Gagal membuka file</translation>
    </message>
    <message>
        <source>Export success</source>
        <translation>Ekspor berhasil</translation>
    </message>
    <message>
        <source>Export failure</source>
        <translation>Ekspor gagal</translation>
    </message>
    <message>
        <source>Import success</source>
        <translation>Impor berhasil</translation>
    </message>
    <message>
        <source>Import failure</source>
        <translation>Impor gagal</translation>
    </message>
    <message>
        <source>save backup file</source>
        <translation>Simpan berkas cadangan</translation>
    </message>
    <message>
        <source>select backup file</source>
        <translation>Pilih berkas cadangan</translation>
    </message>
    <message>
        <source>Devices: </source>
        <translation>Perangkat: </translation>
    </message>
    <message>
        <source>Initializes the multicast failure</source>
        <translation>Gagal menyiapkan multicast</translation>
    </message>
    <message>
        <source>Join the multicast group fail</source>
        <translation>Gagal bergabung ke grup multicast</translation>
    </message>
    <message>
        <source>Please select the need to configure the equipment</source>
        <translation>Pilih perangkat yang akan dikonfigurasi</translation>
    </message>
    <message>
        <source>Set Success</source>
        <translation>Pengaturan berhasil</translation>
    </message>
    <message>
        <source>Do you really want reboot?</source>
        <translation>Yakin ingin memulai ulang?</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Mulai ulang</translation>
    </message>
    <message>
        <source>select upgrade pack</source>
        <translation>Pilih paket pembaruan</translation>
    </message>
    <message>
        <source>Hide More</source>
        <translation>Sembunyikan lainnya</translation>
    </message>
    <message>
        <source>Enter the manual director,other operations will be interrupted!</source>
        <translation>Masuk ke sutradara manual, operasi lain akan dihentikan!</translation>
    </message>
    <message>
        <source>(%1 more answered, not listed)</source>
        <translation>(%1 lagi menjawab, tidak dicantumkan)</translation>
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
        <translation>ATAS</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>KIRI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>KANAN</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>KEMBALI</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAWAH</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Video preview</source>
        <translation>Pratinjau video</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Waktu koneksi habis</translation>
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
        <translation>&amp;Batal</translation>
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
        <translation>Batal</translation>
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
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Camera install position</source>
        <translation>Posisi pemasangan kamera</translation>
    </message>
</context>
<context>
    <name>manual_direct</name>
    <message>
        <source>Manual Director</source>
        <translation>Sutradara Manual</translation>
    </message>
    <message>
        <source>Director Picture</source>
        <translation>Gambar Sutradara</translation>
    </message>
    <message>
        <source>Auto Direct</source>
        <translation>Sutradara Otomatis</translation>
    </message>
    <message>
        <source>Teacher Feature:</source>
        <translation>Close-up Guru:</translation>
    </message>
    <message>
        <source>Teacher Pano:</source>
        <translation>Panorama Guru:</translation>
    </message>
    <message>
        <source>Student Feature:</source>
        <translation>Close-up Siswa:</translation>
    </message>
    <message>
        <source>Student Pano:</source>
        <translation>Panorama Siswa:</translation>
    </message>
    <message>
        <source>Teacher IP</source>
        <translation>IP Guru</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Hubungkan</translation>
    </message>
    <message>
        <source>Student IP</source>
        <translation>IP Siswa</translation>
    </message>
    <message>
        <source>Low overhead</source>
        <translation>Beban rendah</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Halus</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Guru</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Lacak</translation>
    </message>
    <message>
        <source>Tracking_mode</source>
        <translation>Mode Lacak</translation>
    </message>
    <message>
        <source>Follow Mode</source>
        <translation>Mode ikuti</translation>
    </message>
    <message>
        <source>Binocular Mode</source>
        <translation>Mode binokular</translation>
    </message>
    <message>
        <source>Mixed Mode</source>
        <translation>Mode campuran</translation>
    </message>
    <message>
        <source>Board Pano Mode</source>
        <translation>Mode panorama papan</translation>
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
        <translation>Awal</translation>
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
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Tengah</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Pano</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Paltform</source>
        <translation>Podium</translation>
    </message>
    <message>
        <source>Board Pano</source>
        <translation>Panorama Papan</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Siswa</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Konfigurasi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Network information fill in error</source>
        <translation>Informasi jaringan salah diisi</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Waktu koneksi habis</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Putuskan</translation>
    </message>
    <message>
        <source>Please connect the camera</source>
        <translation>Silakan hubungkan kamera</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Switched to manual director state</source>
        <translation>Beralih ke mode sutradara manual</translation>
    </message>
    <message>
        <source>Connection types do not match</source>
        <translation>Jenis koneksi tidak cocok</translation>
    </message>
    <message>
        <source>Do you want to go into the configuration?</source>
        <translation>Masuk ke konfigurasi?</translation>
    </message>
    <message>
        <source>Do you really want to exit?</source>
        <translation>Yakin ingin keluar?</translation>
    </message>
</context>
</TS>
