// The draw importer: the first byte picks a lottery's draw shape, the rest
// is the file. Every draw it accepts must fit the shape, and what an export
// writes of them must read back as the same draws.
#include "history/draw_text.h"
#include "history/import_plan.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const DrawShape shapes[] = {
        drawShapeOf("双色球", {0, 33, 6, "蓝球", 16, 1}),
        drawShapeOf("七乐彩", {0, 30, 7}),
        drawShapeOf("快乐8", {0, 80, 10}),
        drawShapeOf("福彩3D", {1, 10, 3}),
        drawShapeOf("七星彩", {1, 10, 6, "后区", 15, 1}),
        drawShapeOf("大乐透", {0, 35, 5, "后区", 12, 2}),
    };
    const DrawShape &shape = shapes[data[0] % (sizeof shapes / sizeof shapes[0])];
    const DrawText text
        = readDrawText(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1), shape);
    std::vector<Draw> draws;
    for (const NumberedDraw &read : text.draws) {
        if (drawProblem(read.draw, shape) || !issueKey(read.draw.issue) || read.line < 1)
            std::abort();
        draws.push_back(read.draw);
    }
    const DrawText again = readDrawText(drawFileBytes(draws, shape), shape);
    if (!again.problems.empty() || again.draws.size() != draws.size())
        std::abort();
    for (size_t i = 0; i < draws.size(); ++i) {
        if (!(again.draws[i].draw == draws[i]))
            std::abort();
    }
    (void)importReport(planImport(text, {}, "x", shape));
    return 0;
}
