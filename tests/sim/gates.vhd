-- The suite's second cell library (VHDL models), analysed into the library
-- "gates": the gate cells Yosys maps onto when its own cell names are kept,
-- entities named as Yosys spells them (extended identifiers keep the case).
library ieee; use ieee.std_logic_1164.all;
entity \$_NOT_\ is port (A : in std_logic; Y : out std_logic); end;
architecture a of \$_NOT_\ is begin Y <= not A; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_BUF_\ is port (A : in std_logic; Y : out std_logic); end;
architecture a of \$_BUF_\ is begin Y <= A; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_AND_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_AND_\ is begin Y <= A and B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_OR_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_OR_\ is begin Y <= A or B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_NAND_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_NAND_\ is begin Y <= A nand B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_NOR_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_NOR_\ is begin Y <= A nor B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_XOR_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_XOR_\ is begin Y <= A xor B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_XNOR_\ is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of \$_XNOR_\ is begin Y <= A xnor B; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_MUX_\ is port (A, B, S : in std_logic; Y : out std_logic); end;
architecture a of \$_MUX_\ is begin Y <= B when S = '1' else A; end;
library ieee; use ieee.std_logic_1164.all;
entity \$_DFF_P_\ is port (C, D : in std_logic; Q : out std_logic); end;
architecture a of \$_DFF_P_\ is begin process (C) begin if rising_edge(C) then Q <= D; end if; end process; end;
library ieee; use ieee.std_logic_1164.all;
entity GND is port (G : out std_logic); end;
architecture a of GND is begin G <= '0'; end;
library ieee; use ieee.std_logic_1164.all;
entity VCC is port (P : out std_logic); end;
architecture a of VCC is begin P <= '1'; end;
