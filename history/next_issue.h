#pragma once

#include "history/draw.h"

#include <string>
#include <vector>

// The 期号 to propose for the draw after `last`, in the form `last` is
// written: the year and the draw of the year ("2026093", or "26093" as
// 大乐透 writes it) go on to the next draw, and to the year's first
// ("2027001", "27001") once `today` ("YYYY-MM-DD") is in a later year.
// Other runs of digits go up by one in the same width ("0099" → "0100").
// Empty when `last` is no 期号.
std::string nextIssue(const std::string &last, const std::string &today = {});

// The 期号 after the newest of the stored draws; empty when none is stored.
std::string proposedIssue(const std::vector<Draw> &draws, const std::string &today = {});
