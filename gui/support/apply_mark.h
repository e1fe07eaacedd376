#pragma once

class QPushButton;

// "Apply(*)" on a tab's Apply button: the tab has changes not yet sent to the camera. Changes
// made while the settings file is loaded leave the value slots' marks off.
void mark_apply(QPushButton *button);
void mark_apply_unless_loading(bool loading_config, QPushButton *button);
