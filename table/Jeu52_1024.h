// The drawn controls of the table in one include: card, hand, bidding row,
// board.
#pragma once

#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/Etui1024.h"
#include "table/Jeu1024.h"
