#include "synth.h"

#include <algorithm>
#include <cmath>

namespace kv::sounds {
namespace {

constexpr double kTau = 6.283185307179586;

// Attack, then exponential decay with `decay` seconds to fall by e, and a
// short release after the note's length so nothing clicks.
double envelope(double t, double length, double attack, double decay, double sustain) {
    const double release = 0.05;
    if (t < attack) return t / attack;
    double level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    if (t > length) level *= std::max(0.0, 1.0 - (t - length) / release);
    return level;
}

}  // namespace

double noteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Track::Track(int rate, double seconds)
    : rate_(rate), left_(std::size_t(rate * seconds)), right_(std::size_t(rate * seconds)) {}

void Track::mixSample(std::size_t frame, double value, double pan) {
    if (frame >= left_.size()) return;
    // Equal-power pan.
    const double angle = (pan + 1.0) * kTau / 8.0;
    left_[frame] += value * std::cos(angle);
    right_[frame] += value * std::sin(angle);
}

void Track::add(Instrument instrument, double start, double length, int midiNote, double velocity, double pan) {
    const double hz = noteHz(midiNote);
    const double tail = instrument == Instrument::Pad ? 0.6 : 1.5;
    const std::size_t first = std::size_t(start * rate_);
    const std::size_t count = std::size_t((length + tail) * rate_);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate_;
        double value = 0.0;
        switch (instrument) {
        case Instrument::Pluck:  // soft electric piano: decaying partials
            value = envelope(t, length, 0.004, 0.35, 0.0) *
                    (std::sin(kTau * hz * t) + 0.35 * std::sin(kTau * 2 * hz * t) * std::exp(-t * 6) +
                     0.12 * std::sin(kTau * 3 * hz * t) * std::exp(-t * 10));
            break;
        case Instrument::Pad:  // three slightly detuned voices, slow swell
            value = envelope(t, length, 0.35, 1.0, 0.8) * 0.33 *
                    (std::sin(kTau * hz * t) + std::sin(kTau * hz * 1.004 * t + 1.0) +
                     0.5 * std::sin(kTau * hz * 2.003 * t + 2.0));
            if (t > length + 0.55) value = 0.0;
            break;
        case Instrument::Bass:
            value = envelope(t, length, 0.006, 0.4, 0.35) *
                    (std::sin(kTau * hz * t) + 0.25 * std::sin(kTau * 2 * hz * t));
            if (t > length + 0.05) value = 0.0;
            break;
        case Instrument::Bell: {  // two-operator FM, ratio 3.5
            const double index = 2.5 * std::exp(-t * 4);
            value = envelope(t, length, 0.002, 0.5, 0.0) * std::sin(kTau * hz * t + index * std::sin(kTau * 3.5 * hz * t));
            break;
        }
        case Instrument::Kick: {
            const double sweep = 50.0 + 90.0 * std::exp(-t * 30);
            value = std::exp(-t * 9) * std::sin(kTau * sweep * t);
            if (t > 0.4) value = 0.0;
            break;
        }
        case Instrument::Snare:
        case Instrument::Hat: {
            noise_ = noise_ * 1664525u + 1013904223u;
            const double white = double(std::int32_t(noise_)) / 2147483648.0;
            value = instrument == Instrument::Hat ? white * std::exp(-t * 60) * 0.5
                                                  : (white * 0.7 + 0.4 * std::sin(kTau * 190 * t)) * std::exp(-t * 18);
            if (t > 0.3) value = 0.0;
            break;
        }
        }
        mixSample(first + i, value * velocity, pan);
    }
}

void Track::echo(double delaySeconds, double feedback, double mix) {
    const std::size_t delay = std::size_t(delaySeconds * rate_);
    std::vector<double> wetLeft(left_.size()), wetRight(right_.size());
    // Ping-pong: each repeat crosses to the other side.
    for (std::size_t i = delay; i < left_.size(); ++i) {
        wetLeft[i] = (right_[i - delay] + wetRight[i - delay]) * feedback;
        wetRight[i] = (left_[i - delay] + wetLeft[i - delay]) * feedback;
    }
    for (std::size_t i = 0; i < left_.size(); ++i) {
        left_[i] += wetLeft[i] * mix;
        right_[i] += wetRight[i] * mix;
    }
}

std::vector<std::int16_t> Track::toPcm16(double peak, double fadeSeconds) const {
    double loudest = 1e-9;
    for (std::size_t i = 0; i < left_.size(); ++i)
        loudest = std::max({loudest, std::abs(left_[i]), std::abs(right_[i])});
    const double gain = peak * 32767.0 / loudest;
    const std::size_t fadeFrames = std::size_t(fadeSeconds * rate_);
    std::vector<std::int16_t> pcm;
    pcm.reserve(left_.size() * 2);
    for (std::size_t i = 0; i < left_.size(); ++i) {
        const std::size_t fromEnd = left_.size() - i;
        const double fade = fromEnd < fadeFrames ? double(fromEnd) / double(fadeFrames) : 1.0;
        pcm.push_back(std::int16_t(std::lround(left_[i] * gain * fade)));
        pcm.push_back(std::int16_t(std::lround(right_[i] * gain * fade)));
    }
    return pcm;
}

}  // namespace kv::sounds
