#pragma once

// The two kinds of lottery. The integer is also the item index of the kind
// choice; a lottery of any other kind is refused (lotteryRuleProblem).
enum LotteryKind : int {
    Lotto = 0, // 乐透型: distinct numbers 1..N, two digits, sorted
    Digit = 1, // 数字型: K positions of 0..N-1, repeats allowed, box order kept
};

inline bool isLotto(int kind) { return kind == Lotto; }
