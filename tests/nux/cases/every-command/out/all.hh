[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"all.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<allUtils>
[hh.declare.include] interface_name=<Bank.Account> server_identifier=<acct> hhfile=<bank.hh>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct>
[hh.declare] interface_name=<Bank.Account> server_identifier=<acct2>
[hh.declare] interface_name=<Bank.Account> server_identifier=<plain>
[hh.declare.value] arg_type=<ret(long)> arg_name=<count>
[hh.declare.value] arg_type=<Widget> arg_name=<w>
[hh.declare.include] interface_name=<Bank.Teller> server_identifier=<teller> hhfile=<teller.hh>
[hh.declare] interface_name=<Bank.Teller> server_identifier=<teller>
[hh.test.begin] testnum=<7>

[hh.end] header_check=<hTIMEhPIDhN_h>
