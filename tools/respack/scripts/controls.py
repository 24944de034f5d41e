"""The fighters' controls as the AI scripts see them: moves, actions and the kick table.

Plain constants and pure functions; imports nothing of the game.
"""

IDLE = 0

# Walks: move -> world step (x, z) at walk speed; a diagonal walk covers half the speed along
# each axis. The fighter keeps facing its opponent while walking.
WALKS = {
    1: (1.0, 0.0), 2: (-1.0, 0.0), 3: (0.0, -1.0), 4: (0.0, 1.0),
    5: (0.5, -0.5), 6: (-0.5, -0.5), 7: (0.5, 0.5), 8: (-0.5, 0.5),
}
WALK_SPEED = 5.4          # units per second (about walkSpeed x 4.75)
BACKWARD_FACTOR = 0.6     # walking more than 135 degrees away from the facing
MIN_DISTANCE = 0.75       # the fighters never come closer than this
DECISION_TIME = 1.0 / 3.0
SOFT_EDGE = 3.5           # stay this close to the centre

# Kicks and punches: move, action, name, striking side ("front"/"rear" leg or hand),
# target ("trunk"/"head"), start distance range (lo, hi), jumping or spinning, basic.
# The ranges are the ones the clips are proven to meet: from every start distance inside, the
# kick's foot (a hand for punches) is the first thing to touch a target of its row.
KICKS = [
    (9, 22, "rear roundhouse", "rear", "trunk", 1.15, 1.45, False, True),
    (52, 48, "rear roundhouse", "rear", "trunk", 1.20, 1.45, False, True),
    (10, 23, "front roundhouse", "front", "trunk", 1.05, 1.35, False, True),
    (11, 24, "rear roundhouse, head", "rear", "head", 1.05, 1.30, False, False),
    (12, 25, "axe kick", "rear", "head", 0.95, 1.15, False, False),
    (53, 49, "axe kick", "rear", "head", 0.95, 1.15, False, False),
    (13, 26, "front hook kick", "front", "head", 1.00, 1.25, False, False),
    (16, 27, "rear push kick", "rear", "trunk", 0.95, 1.25, False, True),
    (17, 28, "front cut kick", "front", "trunk", 1.00, 1.25, False, True),
    (18, 29, "back kick", "rear", "trunk", 1.10, 1.40, True, False),
    (34, 30, "spinning hook", "rear", "head", 1.15, 1.35, True, False),
    (25, 31, "jumping rear roundhouse", "rear", "trunk", 1.20, 1.45, True, False),
    (26, 32, "jumping front roundhouse", "front", "head", 1.20, 1.45, True, False),
    (36, 33, "jumping spin hook", "rear", "head", 1.25, 1.50, True, False),
    (49, 34, "jumping side kick", "rear", "trunk", 1.20, 1.50, True, False),
    (48, 45, "jumping back kick", "rear", "trunk", 1.15, 1.45, True, False),
    (27, 35, "double punch", "both", "trunk", 0.78, 0.95, False, True),
    (28, 36, "front punch", "front", "trunk", 0.78, 0.95, False, True),
    (29, 37, "rear punch", "rear", "trunk", 0.78, 0.95, False, True),
]
KICK_BY_ACTION = {k[1]: k for k in KICKS}
KICK_BY_MOVE = {k[0]: k for k in KICKS}
PUNCH_ACTIONS = (35, 36, 37)
THROUGH_GUARD = (31, 32, 33, 34, 45)   # the jumping kicks: a guard does not stop them
ATTACK_ACTIONS = tuple(sorted(KICK_BY_ACTION))

# Blocks: move -> (action, the body parts it covers: 0 hip, 1 chest, 2 upper chest, 3 head).
BLOCKS = {14: (38, (0, 2)), 15: (39, (3,)), 33: (40, (1, 2))}
GUARD_ON, GUARD_OFF = 50, 51
SWITCH_FEET = 30
QUICK_STEPS = (19, 20, 21, 22)
LAST_MOVE = 53
MAX_HOLD = 1.5


def kick_target_parts(action):
    """The body parts a kick or punch aims at."""
    kick = KICK_BY_ACTION.get(action)
    if kick is None:
        return ()
    if kick[4] == "head":
        return (3,)
    if action in (27, 28):          # push and cut kicks go to the belly
        return (0, 2)
    return (1, 2)


def block_for(action):
    """The block move that covers the kick's target."""
    parts = kick_target_parts(action)
    if not parts:
        return None
    for move, (_, covered) in sorted(BLOCKS.items()):
        if parts[0] in covered:
            return move
    return None


def in_range(kick, distance):
    return kick[5] <= distance <= kick[6]


def is_attack(action):
    return action in KICK_BY_ACTION
