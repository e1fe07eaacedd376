#pragma once

#include <QMetaType>
#include <QString>

// The record the main window and the wizard hand each other: six camera addresses, the camera
// layout (0 to 3 for 2, 4, 5 and 6 cameras) and the language name.
struct Guide_Data_Update_Manage {
    QString teacher_feature_ip;
    QString teacher_pano_ip;
    QString student_feature_ip;
    QString student_pano_ip;
    QString board_feature_ip;
    QString board_pano_ip;
    qint32 camera_number = 0;
    QString current_language;
};
Q_DECLARE_METATYPE(Guide_Data_Update_Manage)
