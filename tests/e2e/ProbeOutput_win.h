#pragma once
// What the probe's commands print: text as UTF-8, one line at a time, flushed at once so that a
// test reading the probe's output sees each line as it comes.

#include <string>

std::string Utf8(const std::wstring& text);
void PrintLine(const std::wstring& text);
