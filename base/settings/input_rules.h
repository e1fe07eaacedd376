#pragma once

#include <QString>

// Checks and patterns of the texts the installer types: camera addresses, port numbers, MAC
// address bytes and director codes.
namespace input {

// A dotted IPv4 address: the text before the first "/" (a mask length or port behind it is
// ignored), blanks around it ignored; four decimal parts 0 to 255 without leading zeros.
// An empty text is no address. Writes why a text fails to the log.
bool is_valid_ipv4(const QString &text);

// A contiguous network mask from 0.0.0.0 to 255.255.255.254, the whole text (255.255.255.255
// is no mask of a camera's network).
bool is_valid_netmask(const QString &text);

// A MAC address: six pairs of hexadecimal digits joined by ":", the whole text.
bool is_valid_mac(const QString &text);

// A decimal port number 0 to 65535 without leading zeros.
QString port_number_pattern();
// A decimal port number 1 to 65535 without leading zeros.
QString nonzero_port_pattern();

// The first-run wizard's camera address fields: a dotted address (parts may have a leading zero)
// followed by "/" or ":" and a four-digit number that does not start with 0. A validator lets
// a bare dotted address through while it can still grow into that.
QString camera_field_pattern();
// The wizard's director server field: a dotted address, "/" and six digits or small letters.
QString director_server_pattern();
// The wizard's address check: the whole text is a dotted address (parts 0 to 255, a leading zero
// allowed). Writes a failure to the log.
bool is_dotted_address(const QString &text);

// One byte of a MAC address: exactly two hexadecimal digits.
QString mac_byte_pattern();

// Director codes: type 1 hex digits and blanks, type 2 any text; another type gives an empty
// pattern.
QString director_code_pattern(int command_type);

} // namespace input
