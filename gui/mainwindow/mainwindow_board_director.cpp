// The Board and Director tabs' needs, met from the state the window's other features keep: the
// request bookkeeping, the tab layout and the customer model flags.
#include "mainwindow/mainwindow.h"

void MainWindow::arm_request(request_poller::Kind kind) { parameter_requests->arm(kind); }

bool MainWindow::six_camera_layout() const { return tab_layout->camera_layout() == 3; }

bool MainWindow::customer_model_in_use() const { return teacher_customer_model_flag || student_customer_model_flag; }
