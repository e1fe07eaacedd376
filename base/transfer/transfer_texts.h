#pragma once

#include <QtGlobal>

// The texts the transfers show in the status labels and message boxes, as sources of the
// window's catalogue (context "MainWindow"); transfer::shown() translates them.
namespace transfer::text {

// Connection (upgrade page) and progress messages.
inline constexpr const char *kConnecting = QT_TRANSLATE_NOOP("MainWindow", "connecting...");
inline constexpr const char *kConnected = QT_TRANSLATE_NOOP("MainWindow", "connected");
inline constexpr const char *kTimedOut = QT_TRANSLATE_NOOP("MainWindow", "timed out");
inline constexpr const char *kDisconnect = QT_TRANSLATE_NOOP("MainWindow", "disconnect");
inline constexpr const char *kWaitingUpgrade = QT_TRANSLATE_NOOP("MainWindow", "waiting upgrade start");
inline constexpr const char *kTransmitting = QT_TRANSLATE_NOOP("MainWindow", "transmitting...");
inline constexpr const char *kNoDiskSpace = QT_TRANSLATE_NOOP("MainWindow", "board is not enough disk space");
inline constexpr const char *kReceiveFinish = QT_TRANSLATE_NOOP("MainWindow", "receive file finish");
inline constexpr const char *kVerifySucceed = QT_TRANSLATE_NOOP("MainWindow", "file verify succeed upgradeing...");
inline constexpr const char *kVerifyFail = QT_TRANSLATE_NOOP("MainWindow", "file verify fail reboot...");
inline constexpr const char *kUpgradeFail = QT_TRANSLATE_NOOP("MainWindow", "upgrade fail reboot...");
inline constexpr const char *kArmNotFound = QT_TRANSLATE_NOOP("MainWindow", "arm upgrade file not found reboot...");

// Backup page.
inline constexpr const char *kStartBackup = QT_TRANSLATE_NOOP("MainWindow", "start backup");
inline constexpr const char *kStartReceive = QT_TRANSLATE_NOOP("MainWindow", "start receive");
inline constexpr const char *kBackupSuccess = QT_TRANSLATE_NOOP("MainWindow", "Backup Success");
inline constexpr const char *kBackupFailed = QT_TRANSLATE_NOOP("MainWindow", "backup failed");
inline constexpr const char *kExist = QT_TRANSLATE_NOOP("MainWindow", "exist");
inline constexpr const char *kRestoring = QT_TRANSLATE_NOOP("MainWindow", "restoring...");
inline constexpr const char *kRestoreFailed = QT_TRANSLATE_NOOP("MainWindow", "Restore failed reboot...");
inline constexpr const char *kRestoreSuccess = QT_TRANSLATE_NOOP("MainWindow", "Restore Success");

// Message boxes.
inline constexpr const char *kUpgradeSuccess = QT_TRANSLATE_NOOP("MainWindow", "Upgrade Success");
inline constexpr const char *kAddressError = QT_TRANSLATE_NOOP("MainWindow", "Network information fill in error");
inline constexpr const char *kSelectPack = QT_TRANSLATE_NOOP("MainWindow", "Select Upgrade pack");
inline constexpr const char *kSelectType = QT_TRANSLATE_NOOP("MainWindow", "Select Upgrade type");
inline constexpr const char *kFileTypeMismatch = QT_TRANSLATE_NOOP("MainWindow", "Upgrade file type does not match");
inline constexpr const char *kOpenFileFailed = QT_TRANSLATE_NOOP("MainWindow", "Open file failed");
inline constexpr const char *kConnectionTimeout = QT_TRANSLATE_NOOP("MainWindow", "Connection timeout");
inline constexpr const char *kExportSuccess = QT_TRANSLATE_NOOP("MainWindow", "Export success");
inline constexpr const char *kExportFailure = QT_TRANSLATE_NOOP("MainWindow", "Export failure");
inline constexpr const char *kImportSuccess = QT_TRANSLATE_NOOP("MainWindow", "Import success");
inline constexpr const char *kImportFailure = QT_TRANSLATE_NOOP("MainWindow", "Import failure");

} // namespace transfer::text
