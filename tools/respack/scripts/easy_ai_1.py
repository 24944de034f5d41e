"""A slow beginner: long walks, rough sense of distance, a few basic kicks, rarely blocks, and
often flinches back from a kick without minding the edge of the mat."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.7, error=0.3, kicks=(9, 10, 16, 28), block=0.10, close=0.6, flinch=0.5,
                        patience=2.5, eager=0.6)
