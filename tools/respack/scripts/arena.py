"""The crowd: cheers a score, gasps at a hard hit, claps now and then while the clock runs."""
import random


class Brain:
    def __init__(self, spark, fighter_a, fighter_b):
        self.spark = spark
        self.fighters = (fighter_a, fighter_b)
        self.scores = None
        self.healths = None
        self.clock = None

    def _mirror(self, fighter):
        return getattr(fighter, "ai_fighter", fighter)

    def decide(self, flag):
        mirrors = [self._mirror(f) for f in self.fighters]
        scores = tuple(int(getattr(m, "score", 0)) for m in mirrors)
        healths = tuple(float(getattr(m, "health", 1.0)) for m in mirrors)
        clock = float(getattr(mirrors[0], "time_remaining", 0.0))
        answer = (0,)
        if self.scores is not None:
            if any(now > before for now, before in zip(scores, self.scores)):
                answer = ("crowdCheer",)
            elif any(before - now >= 0.08 for now, before in zip(healths, self.healths)):
                answer = ("crowdOoh",)
            elif self.clock is not None and clock != self.clock:
                chance = 0.02 + 0.01 * int(getattr(self.spark, "arena_type", 0))
                if random.random() < chance:
                    answer = ("crowdClap",)
        self.scores, self.healths, self.clock = scores, healths, clock
        return answer
