#pragma once

#include "ui/clock.h"

class FakeClock : public Clock
{
public:
    QDate today() const override { return date; }
    QTime timeOfDay() const override { return time; }

    QDate date{2026, 3, 9};
    QTime time{14, 30};
};
