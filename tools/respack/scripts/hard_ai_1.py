"""A strong all-round fighter: a sure eye for distance, the kick worth most from where it stands,
the right block, counters at once, steps in and out, jumps through a guard, presses a tired
opponent and keeps its balance and its place on the mat."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.0, error=0.0, kicks=(9, 52, 10, 11, 12, 53, 13, 16, 17, 18, 34, 25, 26, 36, 49, 48),
                        block=0.75, read=0.9, counter=0.8, edge=3.0, rest=0.4, reserve=0.65, aim=0.9, through=0.5,
                        footwork=0.3, press=0.8, patience=0.8, eager=1.0)
