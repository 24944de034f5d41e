"""The script side of a fighter and of a spark: the objects the game builds and asks to decide.

fighter.Fighter(module, learn_speed) holds the fighter's mirror (`ai_fighter`) and, for a
script fighter, the module's Brain. Whatever a brain returns or raises, decide() answers with a
valid tuple; a failing brain is logged and the fighter does nothing for that call.
"""
try:
    import log as _log
except ImportError:  # outside the game
    _log = None

import controls


def _write(line):
    try:
        if _log is not None:
            _log.log(line)
    except Exception:
        pass


class AIFighter:
    """What the game mirrors into the script every frame."""

    def __init__(self):
        self.health = 1.0
        self.score = 0
        self.control = 0
        self.action = 0
        self.general_blocking = False
        self.just_scored = False
        self.balance = 1.0
        self.time_remaining = 0.0
        self.location = [0.0, 0.0, 0.0]


def _module_name(module):
    return getattr(module, "__name__", str(module))


def _valid_move(value):
    return isinstance(value, int) and not isinstance(value, bool) and \
        0 <= value <= controls.LAST_MOVE


def _checked(answer):
    """A fighter's answer as the game may take it, or None."""
    if _valid_move(answer):
        return (answer,)
    if not isinstance(answer, tuple) or not answer or len(answer) > 2:
        return None
    if not _valid_move(answer[0]):
        return None
    if len(answer) == 2:
        hold = answer[1]
        if isinstance(hold, bool) or not isinstance(hold, (int, float)):
            return None
        if not (0.0 <= hold <= controls.MAX_HOLD):
            return None
        return (answer[0], float(hold))
    return (answer[0],)


class _Shield:
    def __init__(self, module):
        self.name = _module_name(module)
        self.failures = 0

    def failed(self, error):
        if self.failures % 100 == 0:
            _write("AI %s: %s" % (self.name, error))
        self.failures += 1


class Fighter:
    def __init__(self, module, learn_speed):
        self.ai_fighter = AIFighter()
        self.brain = None
        self._shield = _Shield(module)
        if module is not None:
            try:
                self.brain = module.Brain(self.ai_fighter, learn_speed)
            except Exception as error:
                self._shield.failed(error)

    def decide(self, opponent):
        if self.brain is None:
            return (0,)
        try:
            other = getattr(opponent, "ai_fighter", opponent)
            answer = _checked(self.brain.decide(other))
            if answer is None:
                raise ValueError("not a move")
            return answer
        except Exception as error:
            self._shield.failed(error)
            return (0,)


class Spark:
    def __init__(self, module, fighter_a, fighter_b):
        self.arena_type = 0
        self.brain = None
        self._shield = _Shield(module)
        if module is not None:
            try:
                self.brain = module.Brain(self, fighter_a, fighter_b)
            except Exception as error:
                self._shield.failed(error)

    def decide(self, flag):
        if self.brain is None:
            return (0,)
        try:
            answer = self.brain.decide(flag)
            if isinstance(answer, tuple) and len(answer) == 1 and \
                    (answer[0] == 0 or isinstance(answer[0], str)) and \
                    not isinstance(answer[0], bool):
                return answer
            raise ValueError("not a sound event")
        except Exception as error:
            self._shield.failed(error)
            return (0,)
