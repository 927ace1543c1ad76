#include "play/play_config.h"

namespace kv {

PlayConfig playConfigFromSettings(const Settings& s) {
    PlayConfig config;
    config.speed = s.SPEED;
    config.view = s.VIEW;
    config.replay = s.REPLAY;
    config.style = s.STYLE;
    config.line = s.LINE;
    config.combo = s.COMBO;
    config.igMiss = s.IGMISS != 0;
    config.igCool = s.IGCOOL != 0;
    config.gauge = s.GAUGE;
    config.tempo = s.TEMPO;
    config.bpmEdit = s.BPMEDIT;
    config.freeSpeed = s.FREESPEED;
    config.objectNormal = s.OBJECT == 0;
    config.perfect2 = s.PERFECT2 != 0;
    config.missPitch = s.MISSPITCH != 0;
    config.coolOnly = s.COOLONLY != 0;
    config.lag = s.LAG != 0;
    return config;
}

}  // namespace kv
