"""A strong all-round fighter: every kick, counters at once, keeps its balance and its place on the mat."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.0, error=0.0, kicks=(9, 52, 10, 11, 12, 53, 13, 16, 17, 18, 34, 25, 26, 36, 49, 48, 27, 28, 29), block=0.60, counter=0.8, edge=3.0,
                        patience=0.8, eager=1.0)
