// Detection of arithmetic faults through the floating-point status flags.
//
// The engine's functions return false instead of passing a NaN or an infinity on. A scope
// clears the flags on entry, so that a later Clean() check sees only what this calculation
// raised, and gives the caller back exactly the flags and rounding mode it had.
#pragma once

#include <cfenv>
#include <cmath>

namespace kthread {

// Division by zero, invalid operation (0/0, sqrt of a negative, asin outside [-1, 1]) and
// overflow count as faults; inexact and underflow do not.
inline constexpr int kFpFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Makes sure `value` has been computed at this point of the program. The optimiser may
// otherwise move an operation that raised a flag past the flag test that should see it, since
// to the compiler an arithmetic operation has no side effect.
inline void Settle(double& value) noexcept {
#if defined(__GNUC__) && defined(__x86_64__)
    __asm__ __volatile__("" : "+x"(value));
#elif defined(__GNUC__)
    __asm__ __volatile__("" : "+m"(value));
#else
    volatile double forced = value;
    value = forced;
#endif
}

// Saving, clearing and restoring the status through <cfenv> costs a few hundred nanoseconds on
// x86-64 (glibc goes through the whole x87 environment), more than the calculation itself. There
// the scope works on the SSE control/status register, which all double arithmetic uses, and only
// reads the x87 status word: the engine does no long double arithmetic inside a scope, and x87
// flags cannot be cleared one by one without the slow path. An x87 fault therefore counts when
// its flag was not already set on entry.
class FpFaultScope {
public:
    FpFaultScope() noexcept { Enter(); }
    ~FpFaultScope() { Leave(); }
    FpFaultScope(const FpFaultScope&) = delete;
    FpFaultScope& operator=(const FpFaultScope&) = delete;

    // True when a fault was raised since the scope began.
    bool Faulted() const noexcept { return (RaisedFlags() & kFpFaults) != 0; }

    // True when no fault was raised so far and `value` is a finite number that may be written
    // into a record. An infinity or NaN that crept in quietly (from a non-finite input) counts
    // as an invalid operation.
    bool Clean(double& value) const noexcept {
        Settle(value);
        return !Faulted() && std::isfinite(value);
    }

    // Records an invalid operation that the hardware does not flag by itself (a quiet
    // comparison with NaN, an integer conversion out of range).
    static void RaiseInvalid() noexcept { std::feraiseexcept(FE_INVALID); }

private:
#if defined(__GNUC__) && defined(__x86_64__)
    // The FE_ constants are the x86 status bits, the same in MXCSR and the x87 status word.
    static constexpr unsigned kFlagBits = 0x3F;
    static constexpr unsigned kRoundingBits = 0x6000; // MXCSR rounding control; 0 = nearest

    static unsigned ReadMxcsr() noexcept {
        unsigned value = 0;
        __asm__ __volatile__("stmxcsr %0" : "=m"(value)::"memory");
        return value;
    }
    static void WriteMxcsr(unsigned value) noexcept {
        __asm__ __volatile__("ldmxcsr %0" ::"m"(value) : "memory");
    }
    static unsigned ReadX87Status() noexcept {
        unsigned short value = 0;
        __asm__ __volatile__("fnstsw %0" : "=m"(value)::"memory");
        return value;
    }

    void Enter() noexcept {
        savedMxcsr_ = ReadMxcsr();
        WriteMxcsr(savedMxcsr_ & ~(kFlagBits | kRoundingBits));
        savedX87_ = ReadX87Status() & kFlagBits;
    }
    void Leave() noexcept {
        const unsigned newX87 = ReadX87Status() & kFlagBits & ~savedX87_;
        if (newX87 != 0)
            std::feclearexcept(static_cast<int>(newX87)); // also clears them in MXCSR, reset below
        WriteMxcsr(savedMxcsr_);
    }
    unsigned RaisedFlags() const noexcept {
        return (ReadMxcsr() | (ReadX87Status() & ~savedX87_)) & kFlagBits;
    }

    unsigned savedMxcsr_ = 0;
    unsigned savedX87_ = 0;
#else
    void Enter() noexcept {
        std::fegetexceptflag(&savedFlags_, FE_ALL_EXCEPT);
        savedRounding_ = std::fegetround();
        if (savedRounding_ != FE_TONEAREST)
            std::fesetround(FE_TONEAREST);
        std::feclearexcept(FE_ALL_EXCEPT);
    }
    void Leave() noexcept {
        if (savedRounding_ != FE_TONEAREST)
            std::fesetround(savedRounding_);
        std::fesetexceptflag(&savedFlags_, FE_ALL_EXCEPT);
    }
    unsigned RaisedFlags() const noexcept {
        return static_cast<unsigned>(std::fetestexcept(FE_ALL_EXCEPT));
    }

    std::fexcept_t savedFlags_{};
    int savedRounding_ = FE_TONEAREST;
#endif
};

} // namespace kthread
