#pragma once

#include <QByteArray>

struct SimCameraState;

// The camera's side of the text commands (parameter blocks): gets answer with the section's
// values, sets store them and answer with the confirmation word of the side that routed them,
// status requests answer with the side's tracking or crop status, commands change the state.
namespace simtext {

// The camera's answer to one text payload; empty when the camera does not answer it (unknown
// commands, most set_..._command verbs, text that is no parameter block).
QByteArray answer(SimCameraState &state, const QByteArray &payload);

// The word a camera confirms a set with, by the first section line of the request:
// "set_teacher_config_file", "set_student_config_file", "set_board_config_file",
// "set_director_config_file"; empty for any other line.
QString confirmationWord(const QString &routing);

} // namespace simtext
