#pragma once

#include <QString>

// "config.ini" in the user's application-data folder: the one path every reader and writer of
// the settings file uses.
QString settings_file_path();

// "manual_director.ini" beside it: the manual director console's two camera addresses.
QString manual_director_file_path();
