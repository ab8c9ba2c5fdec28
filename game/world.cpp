#include "game/world.h"

int camouflageListSlot(std::int32_t camouflage) {
    switch (camouflage) {
        case CityCamouflage:
            return 0;
        case FallCamouflage:
            return 1;
        case BlueCamouflage:
            return 2;
        case ForestCamouflage:
            return 3;
        case Forest2Camouflage:
            return 4;
        default:
            return -1;
    }
}
