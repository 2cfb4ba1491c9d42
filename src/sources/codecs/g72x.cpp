#include "sources/codecs/g72x.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tonewright {

namespace {

// The quantizer tables of one rate, indexed by the code: the log of the reconstructed
// difference (dqln), the scale factor multiplier (W, in 1/512) and the transition measure
// (F, in 1/512 as the speed control filters take it). The reconstructed difference has 14
// magnitude bits, 15 at 40 kbit/s.
struct G72xTables {
    int codeBits;
    int differenceMask;
    const int* logDifference;
    const int* scaleMultiplier;
    const int* transition;
};

constexpr int kLogDifference24[8] = {-2048, 135, 273, 373, 373, 273, 135, -2048};
constexpr int kScaleMultiplier24[8] = {-128, 960, 4384, 18624, 18624, 4384, 960, -128};
constexpr int kTransition24[8] = {0, 0x200, 0x400, 0xE00, 0xE00, 0x400, 0x200, 0};

constexpr int kLogDifference32[16] = {-2048, 4,   135, 213, 273, 323, 373, 425,
                                          425,   373, 323, 273, 213, 135, 4,   -2048};
constexpr int kScaleMultiplier32[16] = {-384, 576,  1312, 2048, 3584, 6336, 11360, 35904,
                                            35904, 11360, 6336, 3584, 2048, 1312, 576, -384};
constexpr int kTransition32[16] = {0,     0,     0,     0x200, 0x200, 0x200, 0x600, 0xE00,
                                       0xE00, 0x600, 0x200, 0x200, 0x200, 0,     0,     0};

constexpr int kLogDifference40[32] = {-2048, -66, 28,  104, 169, 224, 274, 318, 358, 395, 429,
                                          459,   488, 514, 539, 566, 566, 539, 514, 488, 459, 429,
                                          395,   358, 318, 274, 224, 169, 104, 28,  -66, -2048};
constexpr int kScaleMultiplier40[32] = {448,   448,   768,   1248,  1280,  1312,  1856,  3200,
                                            4512,  5728,  7008,  8960,  11456, 14080, 16928, 22272,
                                            22272, 16928, 14080, 11456, 8960,  7008,  5728,  4512,
                                            3200,  1856,  1312,  1280,  1248,  768,   448,   448};
constexpr int kTransition40[32] = {0,     0,     0,     0,     0,     0x200, 0x200, 0x200,
                                       0x200, 0x200, 0x400, 0x600, 0x800, 0xA00, 0xC00, 0xC00,
                                       0xC00, 0xC00, 0xA00, 0x800, 0x600, 0x400, 0x200, 0x200,
                                       0x200, 0x200, 0x200, 0,     0,     0,     0,     0};

constexpr G72xTables kTables24 = {3, 0x3FFF, kLogDifference24, kScaleMultiplier24, kTransition24};
constexpr G72xTables kTables32 = {4, 0x3FFF, kLogDifference32, kScaleMultiplier32, kTransition32};
constexpr G72xTables kTables40 = {5, 0x7FFF, kLogDifference40, kScaleMultiplier40, kTransition40};

// The position of the highest set bit plus one: the exponent of the standard's floating
// format (0 for 0).
int Exponent(int magnitude) {
    int exponent = 0;
    while (exponent < 15 && magnitude >= 1 << exponent) ++exponent;
    return exponent;
}

// A magnitude in the standard's 11-bit floating format: 4-bit exponent, 6-bit mantissa, and
// the sign as -0x400.
int16_t ToFloatFormat(int magnitude, bool negative) {
    const int exponent = Exponent(magnitude);
    const int mantissa = magnitude == 0 ? 0x20 : (magnitude << 6) >> exponent;
    return static_cast<int16_t>((exponent << 6) + mantissa - (negative ? 0x400 : 0));
}

// A predictor coefficient (in 1/16384, two's complement) times a signal in floating format,
// as the standard's FMULT computes it.
int MultiplyFloat(int coefficient, int signal) {
    const int magnitude = coefficient > 0 ? coefficient : (-coefficient) & 0x1FFF;
    const int exponent = Exponent(magnitude) - 6;
    const int mantissa = magnitude == 0 ? 32 : exponent >= 0 ? magnitude >> exponent : magnitude << -exponent;
    const int productExponent = exponent + ((signal >> 6) & 0xF) - 13;
    const int productMantissa = (mantissa * (signal & 0x3F) + 0x30) >> 4;
    const int product =
        productExponent >= 0 ? (productMantissa << productExponent) & 0x7FFF : productMantissa >> -productExponent;
    return (coefficient ^ signal) < 0 ? -product : product;
}

// The decoder's adaptive state. Its fields are the standard's, 16 bits wide where the
// standard's are, so sums wrap as they do there.
class G72xPredictor {
public:
    explicit G72xPredictor(const G72xTables& tables) : tables_(tables) {}

    // Decodes one code to the reconstructed signal (14 bits) times 4; a signal that a
    // hostile stream drives beyond 14 bits saturates.
    int16_t Decode(unsigned code) {
        code &= (1u << tables_.codeBits) - 1;
        const auto zeroPart = static_cast<int16_t>(PredictZeros());
        const auto zeroEstimate = static_cast<int16_t>(zeroPart >> 1);
        const auto estimate = static_cast<int16_t>(static_cast<int16_t>(zeroPart + PredictPoles()) >> 1);
        const auto stepSize = static_cast<int16_t>(StepSize());
        const bool negative = (code & (1u << (tables_.codeBits - 1))) != 0;
        const int16_t difference = Reconstruct(negative, tables_.logDifference[code], stepSize);
        const auto signal = static_cast<int16_t>(
            difference < 0 ? estimate - (difference & tables_.differenceMask) : estimate + difference);
        const auto poleInput = static_cast<int16_t>(signal - estimate + zeroEstimate);
        Update(stepSize, tables_.scaleMultiplier[code], tables_.transition[code], difference, signal, poleInput);
        return static_cast<int16_t>(std::clamp(signal * 4, -32768, 32767));
    }

private:
    int PredictZeros() const {
        int sum = 0;
        for (size_t i = 0; i < zeros_.size(); ++i) sum += MultiplyFloat(zeros_[i] >> 2, differences_[i]);
        return sum;
    }

    int PredictPoles() const {
        return MultiplyFloat(poles_[1] >> 2, signals_[1]) + MultiplyFloat(poles_[0] >> 2, signals_[0]);
    }

    // The quantizer scale factor: a mix of the fast (unlocked) and slow (locked) factors
    // weighted by the speed control.
    int StepSize() const {
        if (speed_ >= 256) return fastScale_;
        int y = static_cast<int>(slowScale_ >> 6);
        const int difference = fastScale_ - y;
        const int weight = speed_ >> 2;
        if (difference > 0) {
            y += (difference * weight) >> 6;
        } else if (difference < 0) {
            y += (difference * weight + 0x3F) >> 6;
        }
        return y;
    }

    // The quantized difference in sign-magnitude form (the sign as bit 15) from its log.
    static int16_t Reconstruct(bool negative, int logDifference, int stepSize) {
        const auto log = static_cast<int16_t>(logDifference + (stepSize >> 2));
        if (log < 0) return negative ? static_cast<int16_t>(-0x8000) : 0;
        const int exponent = (log >> 7) & 15;
        const int mantissa = 128 + (log & 127);
        const auto magnitude = static_cast<int16_t>((mantissa << 7) >> (14 - exponent));
        return negative ? static_cast<int16_t>(magnitude - 0x8000) : magnitude;
    }

    void Update(int stepSize, int scaleMultiplier, int transition, int difference, int signal, int poleInput) {
        const int poleSign = poleInput < 0 ? 1 : 0;
        const int magnitude = difference & 0x7FFF;

        // Tone and transition detector: a large difference while a tone was suspected marks
        // a transition (modem data), which resets the predictor.
        const int slowExponent = static_cast<int>(slowScale_ >> 15);
        const int slowFraction = static_cast<int>((slowScale_ >> 10) & 0x1F);
        const int threshold1 = (32 + slowFraction) << slowExponent;
        const int threshold2 = slowExponent > 9 ? 31 << 10 : threshold1;
        const int differenceThreshold = (threshold2 + (threshold2 >> 1)) >> 1;
        const bool transitionSeen = toneDetected_ && magnitude > differenceThreshold;

        fastScale_ = static_cast<int16_t>(stepSize + ((scaleMultiplier - stepSize) >> 5));
        if (fastScale_ < 544) {
            fastScale_ = 544;
        } else if (fastScale_ > 5120) {
            fastScale_ = 5120;
        }
        slowScale_ += fastScale_ + ((-slowScale_) >> 6);

        int16_t pole2 = 0;
        if (transitionSeen) {
            poles_.fill(0);
            zeros_.fill(0);
        } else {
            const int signChange = poleSign ^ poleSigns_[0];
            int a2 = poles_[1] - (poles_[1] >> 7);
            if (poleInput != 0) {
                const int f = signChange ? poles_[0] : -poles_[0];
                if (f < -8191) {
                    a2 -= 0x100;
                } else if (f > 8191) {
                    a2 += 0xFF;
                } else {
                    a2 += f >> 5;
                }
                if (poleSign ^ poleSigns_[1]) {
                    if (a2 <= -12160) {
                        a2 = -12288;
                    } else if (a2 >= 12416) {
                        a2 = 12288;
                    } else {
                        a2 -= 0x80;
                    }
                } else if (a2 <= -12416) {
                    a2 = -12288;
                } else if (a2 >= 12160) {
                    a2 = 12288;
                } else {
                    a2 += 0x80;
                }
            }
            pole2 = static_cast<int16_t>(a2);
            poles_[1] = pole2;

            int a1 = poles_[0] - (poles_[0] >> 8);
            if (poleInput != 0) a1 += signChange == 0 ? 192 : -192;
            const int a1Limit = 15360 - pole2;
            if (a1 < -a1Limit) {
                a1 = -a1Limit;
            } else if (a1 > a1Limit) {
                a1 = a1Limit;
            }
            poles_[0] = static_cast<int16_t>(a1);

            const int leak = tables_.codeBits == 5 ? 9 : 8;
            for (size_t i = 0; i < zeros_.size(); ++i) {
                int b = zeros_[i] - (zeros_[i] >> leak);
                if (magnitude != 0) b += (difference ^ differences_[i]) >= 0 ? 128 : -128;
                zeros_[i] = static_cast<int16_t>(b);
            }
        }

        for (size_t i = differences_.size() - 1; i > 0; --i) differences_[i] = differences_[i - 1];
        differences_[0] = ToFloatFormat(magnitude, difference < 0);
        signals_[1] = signals_[0];
        if (signal > -32768) {
            signals_[0] = ToFloatFormat(std::abs(signal), signal < 0);
        } else {
            signals_[0] = ToFloatFormat(0, true);
        }
        poleSigns_[1] = poleSigns_[0];
        poleSigns_[0] = static_cast<int16_t>(poleSign);

        // A weak correlation of neighbouring samples suggests a tone (modem data) follows.
        toneDetected_ = !transitionSeen && pole2 < -11776;

        shortAverage_ = static_cast<int16_t>(shortAverage_ + ((transition - shortAverage_) >> 5));
        longAverage_ = static_cast<int16_t>(longAverage_ + (((transition << 2) - longAverage_) >> 7));
        if (transitionSeen) {
            speed_ = 256;
        } else if (stepSize < 1536 || toneDetected_ ||
                   std::abs((shortAverage_ << 2) - longAverage_) >= (longAverage_ >> 3)) {
            speed_ = static_cast<int16_t>(speed_ + ((0x200 - speed_) >> 4));
        } else {
            speed_ = static_cast<int16_t>(speed_ + ((-speed_) >> 4));
        }
    }

    const G72xTables& tables_;
    // The reset state: scale factors 34816 (slow) and 544 (fast), coefficients 0, the
    // past differences and signals at 32 (zero in the floating format).
    int32_t slowScale_ = 34816;
    int16_t fastScale_ = 544;
    int16_t shortAverage_ = 0;
    int16_t longAverage_ = 0;
    int16_t speed_ = 0;
    std::array<int16_t, 2> poles_{};
    std::array<int16_t, 6> zeros_{};
    std::array<int16_t, 2> poleSigns_{};
    std::array<int16_t, 6> differences_{32, 32, 32, 32, 32, 32};
    std::array<int16_t, 2> signals_{32, 32};
    bool toneDetected_ = false;
};

class G72xDecoder : public FrameDecoder {
public:
    G72xDecoder(const G72xTables& tables, size_t channels) : predictor_(tables), codeBits_(tables.codeBits), channels_(channels) {}

    size_t Decode(SoundData& data, int16_t* frames, size_t maxFrames) override {
        const size_t wanted = maxFrames * channels_;
        size_t count = 0;
        for (; count < wanted; ++count) {
            while (held_ < codeBits_) {
                const int byte = bytes_.Next(data);
                if (byte < 0) return count / channels_;
                bits_ |= static_cast<uint32_t>(byte) << held_;
                held_ += 8;
            }
            frames[count] = predictor_.Decode(bits_);
            bits_ >>= codeBits_;
            held_ -= codeBits_;
        }
        return count / channels_;
    }

private:
    G72xPredictor predictor_;
    const int codeBits_;
    const size_t channels_;
    SoundDataBytes bytes_;
    uint32_t bits_ = 0;  // unpacking reservoir: the low held_ bits are the next codes
    int held_ = 0;
};

}  // namespace

std::unique_ptr<FrameDecoder> CreateG72xDecoder(int codeBits, size_t channels) {
    if (channels == 0) return nullptr;
    switch (codeBits) {
        case 3:
            return std::make_unique<G72xDecoder>(kTables24, channels);
        case 4:
            return std::make_unique<G72xDecoder>(kTables32, channels);
        case 5:
            return std::make_unique<G72xDecoder>(kTables40, channels);
        default:
            return nullptr;
    }
}

}  // namespace tonewright
