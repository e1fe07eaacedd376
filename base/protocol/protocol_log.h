#pragma once

#include <QLoggingCategory>

// Log lines of the camera control wire formats. They reach the program's log like any other
// message; a test or a fuzz target can silence the chatty debug lines by this one category.
Q_DECLARE_LOGGING_CATEGORY(lcProtocol)
