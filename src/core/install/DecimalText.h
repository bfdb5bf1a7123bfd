#pragma once

#include <QString>

namespace Quillwright {

// Numbers in forum files are text: INCREMENT adds to them as decimal text
// of any length, never through a machine integer that overflows.
namespace Install {

// `number` (decimal digits) plus or minus `by` (decimal digits): "-" before
// a result below zero; a number written with leading zeros keeps its width.
QString addDecimal(const QString& number, const QString& by, bool down);

} // namespace Install

} // namespace Quillwright
